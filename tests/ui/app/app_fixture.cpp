// The program fixture of the application tests.
#include "app_fixture.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "app/main_form.h"

namespace tessaro::testing {

ProgramTest::ProgramTest() {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  setCurrentClock(&clock);
  windows = std::make_unique<ProgramWindows>();
}

ProgramTest::~ProgramTest() {
  windows.reset();
  setCurrentClock(nullptr);
  EXPECT_TRUE(scripted.dialogs.empty()) << "dialogs that were never shown";
}

TMainForm& ProgramTest::mainForm() const { return windows->mainForm(); }

QString shownTitle(const QWidget& window) {
  return window.windowTitle().replace(QStringLiteral("[*]"),
                                      window.isWindowModified() ? QStringLiteral("*") : QString());
}

TTessaro& ProgramTest::study() const { return *appWindows().Tessaro; }

QAction* ProgramTest::action(const char* name) const {
  QAction* found = mainForm().findChild<QAction*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

void ProgramTest::trigger(const char* name) const { action(name)->trigger(); }

void ProgramTest::answerNewStudy(const TypedSubject& subject, Close close) {
  scripted.dialogs.push_back([subject, close](QDialog& dialog) {
    const auto field = [&dialog](const char* name) {
      return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    field("firstNameEdit")->setText(subject.firstName);
    field("lastNameEdit")->setText(subject.lastName);
    field("addressEdit")->setText(subject.address);
    field("cityEdit")->setText(subject.postcodeCity);
    field("companyEdit")->setText(subject.company);
    const std::pair<const char*, QString> dates[] = {{"birthDateField", subject.birthDate},
                                                     {"studyDateField", subject.studyDate}};
    for (const auto& [picker, date] : dates) {
      if (!date.isEmpty()) field(picker)->setText(date);
    }
    switch (close) {
      case Close::Ok:
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        break;
      case Close::Enter:
        QTest::keyClick(field("firstNameEdit"), Qt::Key_Return);
        break;
      case Close::Cancel:
        dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        break;
    }
    return dialog.result();
  });
}

void ProgramTest::newStudy(const TypedSubject& subject, Close close) {
  answerNewStudy(subject, close);
  trigger("newStudyAction");
}

void ProgramTest::readNextDialog(std::function<void(QDialog&)> reader) {
  scripted.dialogs.push_back([reader](QDialog& dialog) {
    reader(dialog);
    dialog.reject();
    return dialog.result();
  });
}

}  // namespace tessaro::testing
