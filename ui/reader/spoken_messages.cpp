// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/spoken_messages.h"

#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace kalvenor::ui {

namespace {

// One message: its words, for as long as the bar keeps it.
class MessageAccessible final : public QAccessibleInterface {
 public:
  MessageAccessible(SpokenMessages* bar, QString text) : bar_(bar), text_(std::move(text)) {}

  bool isValid() const override { return !bar_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QPointer<SpokenMessages> bar_;
  QString text_;
};

}  // namespace

SpokenMessages::SpokenMessages(QWidget* parent) : QWidget(parent) {
  setFixedSize(0, 0);  // heard, never seen
  setFocusPolicy(Qt::NoFocus);
}

SpokenMessages::~SpokenMessages() {
  for (const Message& message : messages_) QAccessible::deleteAccessibleInterface(message.id);
}

void SpokenMessages::say(const QString& text) {
  if (text.isEmpty()) return;
  emit spoken(text);
  const auto now = std::chrono::steady_clock::now();
  while (!messages_.empty() && now - messages_.front().said > kKept) {
    QAccessible::deleteAccessibleInterface(messages_.front().id);
    messages_.pop_front();
  }
  if (!QAccessible::isActive()) return;  // no reader listens: nothing to keep
  messages_.push_back({QAccessible::registerAccessibleInterface(new MessageAccessible(this, text)), now});
  QAccessibleEvent shown(QAccessible::accessibleInterface(messages_.back().id), QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

QAccessibleInterface* SpokenMessages::message(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return QAccessible::accessibleInterface(messages_[static_cast<std::size_t>(index)].id);
}

int SpokenMessages::indexOf(const QAccessibleInterface* message) const {
  const auto found = std::find_if(messages_.begin(), messages_.end(),
                                  [message](const Message& m) { return QAccessible::accessibleInterface(m.id) == message; });
  return found == messages_.end() ? -1 : static_cast<int>(found - messages_.begin());
}

QAccessibleInterface* SpokenMessagesAccessible::factory(const QString&, QObject* object) {
  auto* messages = qobject_cast<SpokenMessages*>(object);
  return messages ? new SpokenMessagesAccessible(messages) : nullptr;  // Qt's cache owns it
}

}  // namespace kalvenor::ui

#include "moc_spoken_messages.cpp"
