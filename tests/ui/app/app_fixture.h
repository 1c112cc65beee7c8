// A whole program for each test: every window created, dialogs answered from a script, a fixed clock.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/app_windows.h"
#include "common/clock.h"
#include "support/scripted_interaction.h"

class QAction;
class QDialog;
class QWidget;

namespace tessaro::testing {

class FixedClock final : public Clock {
 public:
  DateTime time{2024, 1, 5, 9, 5, 7};
  DateTime now() const override { return time; }
  void setUniversalTime(const DateTime&) override {}
};

// What the new-study dialog is given: typed texts, dates as typed (empty keeps today's).
struct TypedSubject {
  QString firstName{};
  QString lastName{};
  QString birthDate{};
  QString studyDate{};
  QString address{};
  QString postcodeCity{};
  QString company{};
};

enum class Close { Ok, Enter, Cancel };

// A window's title as its title bar shows it: Qt's "[*]" becomes "*" while the window is modified.
QString shownTitle(const QWidget& window);

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest();
  ~ProgramTest() override;

  TMainForm& mainForm() const;
  TTessaro& study() const;
  QAction* action(const char* name) const;
  // Runs a menu command as the user would.
  void trigger(const char* name) const;

  // Queues the answer of the new-study dialog: fill it, then close it the given way.
  void answerNewStudy(const TypedSubject& subject, Close close = Close::Ok);
  // A whole new study through the menu.
  void newStudy(const TypedSubject& subject, Close close = Close::Ok);
  // Queues a function that reads the next dialog shown; the dialog is then closed.
  void readNextDialog(std::function<void(QDialog&)> reader);

  // The program's settings live here, never among the user's own.
  QTemporaryDir settingsFolder;
  FixedClock clock;
  ScriptedInteraction scripted;
  std::unique_ptr<ProgramWindows> windows;
};

}  // namespace tessaro::testing
