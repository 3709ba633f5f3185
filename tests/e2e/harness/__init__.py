# SPDX-License-Identifier: GPL-3.0-or-later
# Import as `from harness.desktop import Desktop`: tests/e2e is on the path (a test's own folder, PYTHONPATH elsewhere).
"""The end-to-end harness: a private desktop (Xvfb, PulseAudio, a session
bus) and the game's window on it, as the end-to-end tests, the package tests
and the benchmark drive them."""
