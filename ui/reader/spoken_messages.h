// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game tells a screen reader unasked: each message is an
// accessible notification of its own, shown once in a status bar that the
// screen never draws. A reader speaks a notification when it appears, with or
// without the keyboard focus; one object per message keeps a message that
// comes soon after another from taking its words before they are read. A
// reader asks for the words some time after the event, later still when the
// player fires fast, so a message stays in the bar for a minute.

#include <QAccessibleWidget>
#include <QWidget>

#include <chrono>
#include <deque>

namespace kalvenor::ui {

class SpokenMessages final : public QWidget {
  Q_OBJECT

 public:
  explicit SpokenMessages(QWidget* parent);
  ~SpokenMessages() override;

  void say(const QString& text);

 signals:
  // Each message as it is said, whether a reader listens or not.
  void spoken(const QString& text);

 public:
  // Oldest first.
  int count() const { return static_cast<int>(messages_.size()); }
  QAccessibleInterface* message(int index) const;
  int indexOf(const QAccessibleInterface* message) const;

 private:
  struct Message {
    QAccessible::Id id;  // registered with Qt's cache, unregistered here
    std::chrono::steady_clock::time_point said;
  };
  static constexpr std::chrono::minutes kKept{1};
  std::deque<Message> messages_;
};

class SpokenMessagesAccessible final : public QAccessibleWidget {
 public:
  explicit SpokenMessagesAccessible(SpokenMessages* messages) : QAccessibleWidget(messages, QAccessible::StatusBar) {}
  // Qt's accessibility asks this for the interface of every object.
  static QAccessibleInterface* factory(const QString& className, QObject* object);

  int childCount() const override { return messages().count(); }
  QAccessibleInterface* child(int index) const override { return messages().message(index); }
  int indexOfChild(const QAccessibleInterface* child) const override { return messages().indexOf(child); }

 private:
  SpokenMessages& messages() const { return *static_cast<SpokenMessages*>(widget()); }
};

}  // namespace kalvenor::ui
