// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the code under test printed through qInfo and the like, for a test
// to read: install keepMessage as Qt's message handler, which must be a plain
// function, and clear `messages` before each case.

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace kalvenor::ui::testing {

inline QStringList messages;

inline void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message) { messages << message; }

}  // namespace kalvenor::ui::testing
