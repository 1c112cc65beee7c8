// Every command of the menus, the toolbar and the keyboard, run in the running program the way a
// person runs it, with what that person then sees: one row per command, and a command without
// its row fails.
#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QShortcut>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTextList>
#include <QTimer>
#include <set>

#include "app/commands.h"
#include "app/main_form.h"
#include "app_fixture.h"
#include "engine/ui/result_dialog.h"
#include "help/ui/help_viewer.h"
#include "study/ui/study_window.h"

namespace tessaro::testing {
namespace {

QWidget* child(QWidget& window, const char* name) {
  return window.findChild<QWidget*>(QString::fromLatin1(name));
}
// What a label or a field shows.
QString text(QWidget& window, const char* name) { return child(window, name)->property("text").toString(); }
QString focusIn(QWidget& window) {
  return window.focusWidget() ? window.focusWidget()->objectName() : QString();
}
// Types over what the field holds, as the keyboard does after Tab.
void typeInto(QWidget* field, const QString& typed) {
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, typed);
}
void press(QWidget& window, const char* button) {
  qobject_cast<QAbstractButton*>(child(window, button))->click();
}
QString helpShown() {
  const auto* topic = appWindows().Help->findChild<QTextBrowser*>(QStringLiteral("topicText"));
  return topic->toPlainText().section(QLatin1Char('\n'), 0, 0);
}
// F1 where the person is: the title of the help topic that then shows.
QString helpAfterF1(QWidget* where) {
  QTest::keyClick(where, Qt::Key_F1);
  return helpShown();
}

class UserPaths : public ProgramTest {
 public:
  using ProgramTest::action;
  using ProgramTest::clock;
  using ProgramTest::mainForm;
  using ProgramTest::newStudy;
  using ProgramTest::readNextDialog;
  using ProgramTest::scripted;
  using ProgramTest::study;

  UserPaths() {
    mainForm().show();  // as at start-up: the dictionary is loaded and the help file found
    scripted.chosenPdf = file(QStringLiteral("sortie.pdf"));
  }

  // A command as a person runs it: its menu item, its toolbar button, or its keys in the active
  // main window.
  void run(const char* command) {
    if (auto* item = mainForm().findChild<QAction*>(QString::fromLatin1(command))) return item->trigger();
    if (auto* button = mainForm().findChild<QAbstractButton*>(QString::fromLatin1(command)))
      return button->click();
    mainForm().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&mainForm()));
    QWidget* focus = QApplication::focusWidget();
    QTest::keySequence(focus ? focus : &mainForm(), QKeySequence(QString::fromLatin1(command)));
  }
  // Runs a command that shows one window, and hands that window to the reader.
  QString inWindow(const char* command, const std::function<QString(QDialog&)>& reader) {
    QString seen;
    readNextDialog([&](QDialog& dialog) { seen = reader(dialog); });
    run(command);
    return seen;
  }

  QString file(const QString& name) const { return folder.filePath(name); }
  QString fileText(const QString& name) const {
    QFile read(file(name));
    return read.open(QIODevice::ReadOnly) ? QString::fromLatin1(read.readAll()) : QString();
  }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
  }
  QString pdfText(int length) const {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file(QStringLiteral("sortie.pdf")), QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified().left(length);
  }
  QString statusLine() const { return mainForm().findChild<QLabel*>(QStringLiteral("hintPanel"))->text(); }

  // "Nouveau thème" filled from the keyboard and left with Enter in the birth date.
  void typeStudy(const char* command, const QString& first, const QString& last, const QString& birth) {
    scripted.dialogs.push_back([first, last, birth](QDialog& dialog) {
      typeInto(child(dialog, "firstNameEdit"), first);
      typeInto(child(dialog, "lastNameEdit"), last);
      typeInto(child(dialog, "birthDateField"), birth);
      QTest::keyClick(child(dialog, "birthDateField"), Qt::Key_Return);
      return dialog.result();
    });
    run(command);
  }
  QString subjectSeen() const {
    return shownTitle(study()) + QLatin1Char(' ') + QString::fromLatin1(study().subject().BirthDate);
  }
  void marieDurand() {
    typeStudy("newStudyAction", QStringLiteral("marie"), QStringLiteral("durand"),
              QStringLiteral("19/04/1950"));
  }
  void portrait() {
    marieDurand();
    run("portraitAction");
  }
  // The portrait printed through "Imprimer...", where the person chooses a PDF file.
  void printedPortrait(const char* command = "printAction") {
    portrait();
    scripted.copies.push_back(1);
    run(command);
  }
  QTextEdit* editor() const { return study().findChild<QTextEdit*>(QStringLiteral("editor")); }
  // A document opened as a person opens one, its whole text selected.
  void document(const QByteArray& content) {
    write(QStringLiteral("texte.rtf"), content);
    scripted.openChoices.push_back(FileChoice{file(QStringLiteral("texte.rtf"))});
    run("openAction");
    editor()->selectAll();
  }
  // "Premier mot", centred and selected.
  void centredText() {
    document("Premier mot");
    editor()->setAlignment(Qt::AlignHCenter);
  }
  QString selectionLooks() const {
    const QTextCursor cursor = editor()->textCursor();
    const QFont font = cursor.charFormat().font();
    QStringList looks{font.families().value(0), QString::number(font.pointSize())};
    if (font.bold()) looks << QStringLiteral("gras");
    if (font.italic()) looks << QStringLiteral("italique");
    if (font.underline()) looks << QStringLiteral("souligné");
    const Qt::Alignment alignment = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter) looks << QStringLiteral("centré");
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing)) looks << QStringLiteral("à droite");
    if (cursor.currentList() != nullptr) looks << QStringLiteral("puces");
    return looks.join(QLatin1Char(' '));
  }

  QTemporaryDir folder;
};

// The situations of the rows: each runs the command in its place and returns what is then seen.
using Situation = QString (*)(UserPaths&, const char* command);

QString formatted(UserPaths& t, const char* command) {
  t.centredText();
  t.run(command);
  return t.selectionLooks();
}
// The font box and the size box, reached by the mouse or by their keys, then typed into.
QString typedInBox(UserPaths& t, const char* command) {
  t.centredText();
  const QByteArray name(command);
  QWidget* box = child(t.mainForm(), command);
  if (box == nullptr) {
    t.run(command);
    box = QApplication::focusWidget();
  }
  typeInto(box,
           name == "fontNameBox" || name == "Ctrl+Shift+P" ? QStringLiteral("Arial") : QStringLiteral("20"));
  return t.selectionLooks();
}
QString copied(UserPaths& t, const char* command) {
  t.document("Premier mot");
  t.run(command);
  return QApplication::clipboard()->text();
}
QString pasted(UserPaths& t, const char* command) {
  t.document("Premier mot");
  QApplication::clipboard()->setText(QStringLiteral("Collé"));
  t.run(command);
  return t.editor()->toPlainText();
}
// How many characters of the document are bold.
int boldCharacters(const QTextEdit& editor) {
  int bold = 0;
  for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (fragment.fragment().charFormat().font().resolve(editor.document()->defaultFont()).bold())
        bold += fragment.fragment().length();
    }
  }
  return bold;
}
// "Premier mot" made bold by Gras with nothing selected, then the command: the bold characters,
// whether the document still has work to save, whether Gras shows pressed and whether a letter
// typed then comes bold.
QString afterWholeBold(UserPaths& t, const char* command, const char* before = nullptr) {
  t.document("Premier mot");
  t.editor()->moveCursor(QTextCursor::End);
  t.run("boldButton");
  if (before != nullptr) t.run(before);
  t.run(command);
  const int bold = boldCharacters(*t.editor());
  const bool modified = t.editor()->document()->isModified();
  const bool pressed = t.mainForm().findChild<QAbstractButton*>(QStringLiteral("boldButton"))->isChecked();
  QTest::keyClicks(t.editor(), QStringLiteral("x"));
  return QStringLiteral("%1 %2 %3 %4")
      .arg(bold)
      .arg(modified)
      .arg(pressed)
      .arg(boldCharacters(*t.editor()) - bold);
}
QString undone(UserPaths& t, const char* command) { return afterWholeBold(t, command); }
QString redone(UserPaths& t, const char* command) { return afterWholeBold(t, command, "undoAction"); }
QString cut(UserPaths& t, const char* command) {
  t.document("Premier mot");
  t.run(command);
  return QApplication::clipboard()->text() + "|" + t.editor()->toPlainText();
}
// F3 before anything was searched opens the dialog; after a search, each F3 finds the next match.
QString foundNext(UserPaths& t, const char* command) {
  t.document("LE NOM ET LE NOMBRE\nle nom");
  t.editor()->moveCursor(QTextCursor::Start);
  t.run(command);
  QDialog& find = *t.study().findChild<QDialog*>(QStringLiteral("findDialog"));
  QStringList seen{QString::number(find.isVisible())};
  typeInto(child(find, "findTextEdit"), QStringLiteral("nom"));
  press(find, "findNextButton");
  find.close();
  for (int next = 0; next < 2; ++next) {
    t.run(command);
    seen << QString::number(t.editor()->textCursor().selectionStart());
  }
  return seen.join(QLatin1Char(' '));
}
// The zoom after the command, how the first line's height changed, and whether the document has
// changed: the zoom is the screen's only.
QString zoomed(UserPaths& t, const char* command, const char* before) {
  t.portrait();
  if (before != nullptr) t.run(before);
  const auto height = [&t] {
    QTextDocument& document = *t.editor()->document();
    return document.documentLayout()->blockBoundingRect(document.firstBlock()).height();
  };
  const qreal was = height();
  t.run(command);
  const qreal now = height();
  return QStringLiteral("%1 %2 %3")
      .arg(t.study().document().zoomPercent())
      .arg(now > was   ? "plus grand"
           : now < was ? "plus petit"
                       : "pareil")
      .arg(t.editor()->document()->isModified());
}
QString zoomedIn(UserPaths& t, const char* command) { return zoomed(t, command, nullptr); }
QString zoomedOut(UserPaths& t, const char* command) { return zoomed(t, command, nullptr); }
QString zoomedBack(UserPaths& t, const char* command) { return zoomed(t, command, "zoomInAction"); }
// MARIE DURAND saved under the name "durand": the file written.
QString saved(UserPaths& t, const char* command) {
  t.marieDurand();
  t.scripted.saveChoices.push_back(FileChoice{t.file(QStringLiteral("durand"))});
  t.run(command);
  return t.fileText(QStringLiteral("durand.tsr")).replace(QStringLiteral("\r\n"), QStringLiteral("/"));
}
// An analysis of MARIE DURAND: its title, its first field and the topic of F1 in it.
QString analysis(UserPaths& t, const char* command) {
  t.marieDurand();
  return t.inWindow(command, [](QDialog& dialog) {
    return dialog.windowTitle() + " | " + dynamic_cast<ResultDialog&>(dialog).edit(1)->text() + " | " +
           helpAfterF1(&dialog);
  });
}
QString closesTheProgram(UserPaths& t, const char* command) {
  t.run(command);
  return QString::number(t.mainForm().isVisible());
}
// The title of the window the command shows, and the topic of F1 in it.
QString windowAndHelp(UserPaths& t, const char* command) {
  return t.inWindow(command,
                    [](QDialog& dialog) { return dialog.windowTitle() + " | " + helpAfterF1(&dialog); });
}
QString helpCommand(UserPaths& t, const char* command) {
  t.run(command);
  auto* tabs = appWindows().Help->findChild<QTabWidget*>();
  return tabs->tabText(tabs->currentIndex()) + " | " + helpShown();
}

struct Row {
  const char* command;  // a menu command or toolbar control by name, or keys
  Situation situation;
  const char* seen;  // UTF-8
};

const Row rows[] = {
    // Fichier: dates typed the three ways people type them
    {"newStudyAction",
     [](UserPaths& t, const char* c) {
       t.typeStudy(c, QStringLiteral("jean"), QStringLiteral("dupont"), QStringLiteral("19/04/1950"));
       return t.subjectSeen();
     },
     "DUPONT JEAN 19/04/1950"},
    {"newStudyButton",
     [](UserPaths& t, const char* c) {
       t.typeStudy(c, QStringLiteral("jean"), QStringLiteral("dupont"), QStringLiteral("19041950"));
       return t.subjectSeen();
     },
     "DUPONT JEAN 19/04/1950"},
    {"etudeAction",
     [](UserPaths& t, const char* c) {
       QStringList seen;
       t.scripted.dialogs.push_back([&](QDialog& dialog) {
         dialog.show();
         const auto said = [&] { seen << t.scripted.messages.value(seen.size()) + " @" + focusIn(dialog); };
         QTest::mouseClick(child(dialog, "okButton"), Qt::LeftButton);
         said();
         typeInto(child(dialog, "firstNameEdit"), QStringLiteral("jean"));
         QTest::keyClick(child(dialog, "firstNameEdit"), Qt::Key_Return);
         said();
         typeInto(child(dialog, "lastNameEdit"), QStringLiteral("dupont"));
         typeInto(child(dialog, "birthDateField"), QStringLiteral("31/02/1950"));
         QTest::keyClick(child(dialog, "birthDateField"), Qt::Key_Return);
         said();
         seen.last() += " " + text(dialog, "birthDateField");
         typeInto(child(dialog, "birthDateField"), QStringLiteral("1/4/1950"));
         // Leaving the field writes the date understood; F4 drops the calendar, a day picked
         // closes it.
         dialog.activateWindow();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
         QTest::keyClick(child(dialog, "birthDateField"), Qt::Key_Tab);
         seen << text(dialog, "birthDateField") + " @" + focusIn(dialog);
         QTest::keyClick(child(dialog, "studyDateField"), Qt::Key_F4);
         QWidget* calendar = child(dialog, "calendar");
         seen << QString::number(calendar->isVisible());
         QTest::keyClick(calendar->focusProxy() ? calendar->focusProxy() : calendar, Qt::Key_Down);
         QTest::keyClick(calendar->focusProxy() ? calendar->focusProxy() : calendar, Qt::Key_Return);
         seen.last() += QStringLiteral(" %1 ").arg(calendar->isVisible()) + text(dialog, "studyDateField");
         QTest::mouseClick(child(dialog, "okButton"), Qt::LeftButton);
         return dialog.result();
       });
       t.run(c);
       return seen.join(QStringLiteral(" | ")) + " | " + t.subjectSeen();
     },
     "Il manque le prénom @firstNameEdit | Il manque le nom @lastNameEdit | Date de naissance incorrecte : "
     "cette date n'existe pas @birthDateField 31/02/1950 | 01/04/1950 @studyDateField | "
     "1 0 12/01/2024 | DUPONT JEAN 01/04/1950"},
    {"F2", windowAndHelp, "Nouveau thème | Commencer une étude"},
    {"openAction",
     [](UserPaths& t, const char* c) {
       t.write(QStringLiteral("durand.tsr"), "Marie\r\nDurand\r\n19/04/1950\r\n05/01/2024\r\n\r\n\r\n\r\n");
       t.scripted.openChoices.push_back(FileChoice{t.file(QStringLiteral("durand.tsr"))});
       t.run(c);
       return t.subjectSeen();
     },
     "Durand Marie — durand.tsr 19/04/1950"},
    {"openButton",
     [](UserPaths& t, const char* c) {
       t.write(QStringLiteral("texte.rtf"), "{\\rtf1 Bonjour}");
       t.scripted.openChoices.push_back(FileChoice{t.file(QStringLiteral("texte.rtf"))});
       t.run(c);
       return t.editor()->toPlainText();
     },
     "Bonjour"},
    {"Ctrl+O",
     [](UserPaths& t, const char* c) {
       t.scripted.openChoices.push_back(std::nullopt);
       t.run(c);
       return t.scripted.asked.join(QLatin1Char('|'));
     },
     "open: Fichier Tessaro (*.tsr)|*.tsr|Fichier Etude (*.rtf)|*.rtf"},
    {"closeAction",
     [](UserPaths& t, const char* c) {
       t.portrait();
       t.run(c);
       return QStringLiteral("%1 %2").arg(t.editor()->isHidden()).arg(t.action("copyAction")->isEnabled());
     },
     "1 0"},
    {"saveAction", saved, "MARIE/DURAND/19/04/1950/05/01/2024////"},
    {"saveButton", saved, "MARIE/DURAND/19/04/1950/05/01/2024////"},
    {"Ctrl+S", saved, "MARIE/DURAND/19/04/1950/05/01/2024////"},
    {"saveAsAction",
     [](UserPaths& t, const char* c) {
       t.marieDurand();
       t.scripted.saveChoices.push_back(std::nullopt);
       t.run(c);
       return QStringLiteral("%1 %2")
           .arg(t.scripted.replaceQuestions.size())
           .arg(QDir(t.folder.path()).isEmpty());
     },
     "1 1"},
    {"recentStudiesAction",
     [](UserPaths& t, const char*) {
       saved(t, "saveAction");
       auto* fileMenu = t.mainForm().findChild<QMenu*>(QStringLiteral("fileMenu"));
       emit fileMenu->aboutToShow();
       return t.mainForm().findChild<QAction*>(QStringLiteral("recentStudy1"))->text();
     },
     "&1 DURAND Marie — durand.tsr"},
    {"exportAction",
     [](UserPaths& t, const char* c) {
       t.portrait();
       t.scripted.saveChoices.push_back(FileChoice{t.file(QStringLiteral("portrait.txt")), 1});
       t.run(c);
       return t.fileText(QStringLiteral("portrait.txt")).section(QStringLiteral("\r\n"), 0, 0);
     },
     "Analyse effectuée le 05/01/2024"},
    {"exportPdfAction",
     [](UserPaths& t, const char* c) {
       t.portrait();
       t.scripted.saveChoices.push_back(FileChoice{t.file(QStringLiteral("sortie")), 0});
       t.run(c);
       return t.pdfText(31);
     },
     "Analyse effectuée le 05/01/2024"},
    {"printAction",
     [](UserPaths& t, const char*) {
       t.printedPortrait();
       return t.pdfText(31);
     },
     "Analyse effectuée le 05/01/2024"},
    {"Ctrl+P",
     [](UserPaths& t, const char* c) {
       t.printedPortrait(c);
       return t.pdfText(31);
     },
     "Analyse effectuée le 05/01/2024"},
    {"printPreviewAction",
     [](UserPaths& t, const char* c) {
       t.portrait();
       return t.inWindow(c, [](QDialog& preview) {
         preview.show();
         const auto* pages = preview.findChild<QPrintPreviewWidget*>();
         return preview.windowTitle() + " | " + QString::number(pages->pageCount() > 1);
       });
     },
     "Aperçu avant impression | 1"},
    {"printButton",
     [](UserPaths& t, const char* c) {
       t.printedPortrait();
       QFile::remove(t.file(QStringLiteral("sortie.pdf")));
       t.run(c);  // on the printer chosen, without asking again
       return t.scripted.asked.filter(QStringLiteral("print")).join(QLatin1Char(' ')) + " " + t.pdfText(31);
     },
     "print Analyse effectuée le 05/01/2024"},
    {"printerSetupAction",
     [](UserPaths& t, const char* c) {
       t.portrait();
       t.scripted.printerSetups.push_back(true);
       t.run(c);
       return t.scripted.asked.last();
     },
     "printer setup"},
    {"quitAction", closesTheProgram, "0"},
    {"Alt+X", closesTheProgram, "0"},
    // Edition: formatting the whole text is undone as typing is
    {"undoAction", undone, "0 0 0 0"},
    {"Ctrl+Z", undone, "0 0 0 0"},
    {"redoAction", redone, "11 1 1 1"},
    {"Ctrl+Y", redone, "11 1 1 1"},
    {"Ctrl+Shift+Z", redone, "11 1 1 1"},
    {"cutAction", cut, "Premier mot|"},
    {"Ctrl+X", cut, "Premier mot|"},
    {"copyAction", copied, "Premier mot"},
    {"copyButton", copied, "Premier mot"},
    {"Ctrl+C", copied, "Premier mot"},
    {"pasteAction", pasted, "Collé"},
    {"pasteButton", pasted, "Collé"},
    {"Ctrl+V", pasted, "Collé"},
    {"findAction",
     [](UserPaths& t, const char* c) {
       t.document("LE NOM ET LE NOMBRE\nle nom");
       t.run(c);
       QDialog& find = *t.study().findChild<QDialog*>(QStringLiteral("findDialog"));
       typeInto(child(find, "findTextEdit"), QStringLiteral("nom"));
       QStringList seen;
       for (const char* button :
            {"findNextButton", "findNextButton", "searchUpButton", "findNextButton", "findNextButton"}) {
         press(find, button);
         if (QByteArray(button) == "findNextButton")
           seen << QString::number(t.editor()->textCursor().selectionStart());
       }
       seen << t.statusLine();
       seen << helpAfterF1(&find);
       return seen.join(QLatin1Char(' '));
     },
     "3 13 3 3 Impossible de trouver « nom » Rechercher, copier, imprimer"},
    {"Ctrl+F",
     [](UserPaths& t, const char* c) {
       t.document("Premier mot");
       t.run(c);
       return QString::number(t.study().findChild<QDialog*>(QStringLiteral("findDialog"))->isVisible());
     },
     "1"},
    {"findNextAction", foundNext, "1 13 23"},
    {"F3", foundNext, "1 13 23"},
    {"zoomInAction", zoomedIn, "110 plus grand 0"},
    {"Ctrl++", zoomedIn, "110 plus grand 0"},
    {"Ctrl+=", zoomedIn, "110 plus grand 0"},
    {"zoomOutAction", zoomedOut, "90 plus petit 0"},
    {"Ctrl+-", zoomedOut, "90 plus petit 0"},
    {"zoomResetAction", zoomedBack, "100 plus petit 0"},
    {"Ctrl+0", zoomedBack, "100 plus petit 0"},
    {"selectAllAction",
     [](UserPaths& t, const char* c) {
       t.document("Premier mot");
       t.editor()->moveCursor(QTextCursor::End);
       t.run(c);
       return t.editor()->textCursor().selectedText();
     },
     "Premier mot"},
    {"bulletsAction", formatted, "Times New Roman 13 centré puces"},
    // Tessaro
    {"venusStarAction",
     [](UserPaths& t, const char* c) {
       t.marieDurand();
       t.run(c);
       QStringList counts;
       for (auto* cell : child(t.study(), "starPanel")->findChildren<QLabel*>()) counts << cell->text();
       return counts.join(QLatin1Char(' '));
     },
     "2 0 1 3 2 0 0 0 3"},
    {"venusInterpretationAction", analysis, "Interprétation | 4 9  | L'interprétation de l'étoile"},
    {"fullChartAction", analysis, "Graphique complet du nom | 1 | Le graphique complet"},
    {"nameLettersAction", analysis, "Lettres du nom | M.D.= 8 | Les lettres du nom"},
    {"birthDateAction", analysis, "Date de Naissance | 19 = 1 | La date de naissance et le chemin de vie"},
    {"singleNumberAction", analysis, "Le nombre cosmique | 1 | Le nombre unique"},
    {"currentYearAction", analysis, "Analyse au 05/01/2024 | 4 | L'année en cours"},
    {"lifeCyclesAction",
     [](UserPaths& t, const char* c) {
       t.marieDurand();
       return t.inWindow(c, [](QDialog& cycles) {
         return cycles.windowTitle() + " | " + text(cycles, "subjectLabel") + " | " + helpAfterF1(&cycles);
       });
     },
     "Cycles de vie | MARIE DURAND, né(e) le 19/04/1950 ; étude du 05/01/2024 (74 ans) | Les cycles de vie"},
    {"chanceAction", analysis, "Nombre de la chance | 20 | Les nombres de la chance"},
    {"everydayLifeAction",
     [](UserPaths& t, const char* c) {
       t.marieDurand();
       t.run(c);
       return t.scripted.messages.join(QLatin1Char('|'));
     },
     "Adresse manquante"},
    {"firstNameAction",
     [](UserPaths& t, const char* c) {
       t.marieDurand();
       return t.inWindow(c, [](QDialog& viewer) {
         return viewer.findChild<QPlainTextEdit*>()->toPlainText().section(QLatin1Char('\n'), 0, 0) + " | " +
                helpAfterF1(&viewer);
       });
     },
     "MARIE | La lecture du prénom"},
    {"ententeAction",
     [](UserPaths& t, const char* c) {
       t.printedPortrait();
       QString seen;
       t.scripted.dialogs.push_back([&](QDialog& people) {
         seen = focusIn(people);
         seen += " | " + helpAfterF1(&people);
         typeInto(child(people, "secondFirstNameEdit"), QStringLiteral("jean"));
         typeInto(child(people, "secondLastNameEdit"), QStringLiteral("dupont"));
         QTest::keyClick(child(people, "secondLastNameEdit"), Qt::Key_Return);
         return people.result();
       });
       t.readNextDialog([](QDialog& result) { press(result, "printButton"); });
       t.run(c);
       return seen + " | " + t.pdfText(41);
     },
     "secondFirstNameEdit | L'entente à deux | Entente entre MARIE DURAND et JEAN DUPONT"},
    {"portraitAction",
     [](UserPaths& t, const char*) {
       t.portrait();
       return t.editor()->toPlainText().section(QLatin1Char('\n'), 0, 0) +
              QStringLiteral(" %1").arg(t.action("copyAction")->isEnabled());
     },
     "Analyse effectuée le 05/01/2024 1"},
    {"personalCalendarAction",
     [](UserPaths& t, const char* c) {
       t.marieDurand();
       return t.inWindow(c, [](QDialog& calendar) {
         // The month keys belong to the window shown in front.
         calendar.show();
         calendar.activateWindow();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&calendar));
         QWidget* grid = child(calendar, "monthGrid");
         QStringList seen{calendar.windowTitle(), text(calendar, "monthTitle")};
         QTest::keyClick(grid, Qt::Key_PageDown);
         seen << text(calendar, "monthTitle");
         QTest::keyClick(grid, Qt::Key_PageUp, Qt::ControlModifier);
         seen << text(calendar, "monthTitle") << helpAfterF1(grid);
         return seen.join(QStringLiteral(" | "));
       });
     },
     "Calendrier personnel | Janvier 2024 | Février 2024 | Février 2023 | Le calendrier personnel"},
    // Prénoms
    {"consultFirstNamesAction",
     [](UserPaths& t, const char* c) {
       t.marieDurand();
       return t.inWindow(c, [](QDialog& browser) {
         auto* memo = browser.findChild<QPlainTextEdit*>();
         QStringList seen{memo->toPlainText().section(QLatin1Char('\n'), 0, 0)};
         QTest::keyClick(memo, Qt::Key_PageDown);
         seen << memo->toPlainText().section(QLatin1Char('\n'), 0, 0) << helpAfterF1(memo);
         return seen.join(QLatin1Char(' '));
       });
     },
     "MARIE MARIE-CLAUDE Le dictionnaire des prénoms"},
    // A first name found by typing, then tried: the new-study dialog comes filled with it, the
    // study's other fields and the workshop's last name, and the workshop makes way for the study.
    {"firstNameWorkshopAction",
     [](UserPaths& t, const char* c) {
       t.marieDurand();
       QStringList seen;
       t.readNextDialog([&](QDialog& workshop) {
         workshop.show();
         seen << text(workshop, "lastNameEdit") + " " + text(workshop, "firstNameEdit");
         typeInto(child(workshop, "lastNameEdit"), QStringLiteral("martin"));
         QTest::keyClick(child(workshop, "lastNameEdit"), Qt::Key_Return);
         QTest::keyClicks(child(workshop, "nameSearch"), QStringLiteral("anne"));
         seen << helpAfterF1(child(workshop, "nameTable"));
         press(workshop, "tryButton");
         seen << QString::number(workshop.result());
       });
       t.scripted.dialogs.push_back([&](QDialog& newStudy) {
         for (const char* field : {"firstNameEdit", "lastNameEdit", "birthDateField", "studyDateField"})
           seen << text(newStudy, field);
         press(newStudy, "okButton");
         return newStudy.result();
       });
       t.run(c);
       return seen.join(QStringLiteral(" | ")) + " | " + t.subjectSeen();
     },
     "DURAND MARIE | L'atelier des prénoms | ANNE | MARTIN | 19/04/1950 | 05/01/2024 | 1 | MARTIN ANNE "
     "19/04/1950"},
    {"includeFirstNameAction",
     [](UserPaths& t, const char* c) {
       t.run(c);
       t.portrait();
       return QStringLiteral("%1 %2")
           .arg(t.action(c)->isChecked())
           .arg(t.editor()->toPlainText().contains(QStringLiteral("Origine hébraïque, fête le 15 août")));
     },
     "1 1"},
    // Utilitaires
    {"calendarAction",
     [](UserPaths& t, const char* c) {
       return t.inWindow(c, [](QDialog& calendar) {
         QStringList seen{text(calendar, "monthLabel")};
         QTest::keyClick(child(calendar, "calendar"), Qt::Key_PageDown);
         seen << text(calendar, "monthLabel") << helpAfterF1(&calendar);
         return seen.join(QStringLiteral(" | "));
       });
     },
     "janvier  2024 | février  2024 | Le calendrier"},
    {"calculatorAction",
     [](UserPaths& t, const char* c) {
       t.scripted.dialogs.push_back([](QDialog& pocket) {
         QTest::keyClicks(&pocket, QStringLiteral("12+3"));
         QTest::keyClick(&pocket, Qt::Key_Escape);
         return pocket.result();
       });
       t.run(c);
       return t.inWindow(c, [](QDialog& pocket) {
         QTest::keyClicks(&pocket, QStringLiteral("4="));
         return text(pocket, "displayLabel") + " | " + helpAfterF1(&pocket);
       });
     },
     "4 | La calculatrice"},
    {"clockAction",
     [](UserPaths& t, const char* c) {
       return t.inWindow(c, [&](QDialog& clock) {
         QStringList seen{text(clock, "timeLabel"), text(clock, "dateLabel")};
         t.clock.time.second = 8;
         QMetaObject::invokeMethod(clock.findChild<QTimer*>(), "timeout");
         seen << text(clock, "timeLabel");
         for (const char* button : {"setTimeButton", "Hr", "spinUpButton"}) press(clock, button);
         seen << text(clock, "timeLabel") << t.scripted.messages.join(QLatin1Char('|'))
              << helpAfterF1(&clock);
         return seen.join(QLatin1Char(' '));
       });
     },
     "09:05:07 05/01/2024 09:05:08 10:05:08  L'horloge"},
    // Aide
    {"helpContentsAction", helpCommand, "Sommaire | Sommaire"},
    {"helpSearchAction", helpCommand, "Index | "},
    {"helpOnHelpAction",
     [](UserPaths& t, const char* c) {
       t.run(c);
       return helpShown() + " | " + helpAfterF1(appWindows().Help);
     },
     "Utiliser l'aide | Utiliser l'aide"},
    {"aboutAction", windowAndHelp, "A propos | A propos d'Orv Tessaro"},
    // The formatting of the toolbar, and its keys
    {"boldButton", formatted, "Times New Roman 13 gras centré"},
    {"Ctrl+G", formatted, "Times New Roman 13 gras centré"},
    {"italicButton", formatted, "Times New Roman 13 italique centré"},
    {"Ctrl+I", formatted, "Times New Roman 13 italique centré"},
    {"underlineButton", formatted, "Times New Roman 13 souligné centré"},
    {"Ctrl+U", formatted, "Times New Roman 13 souligné centré"},
    {"alignLeftButton", formatted, "Times New Roman 13"},
    {"Ctrl+Shift+G", formatted, "Times New Roman 13"},
    {"centerButton", formatted, "Times New Roman 13 centré"},
    {"Ctrl+E", formatted, "Times New Roman 13 centré"},
    {"alignRightButton", formatted, "Times New Roman 13 à droite"},
    {"Ctrl+Shift+D", formatted, "Times New Roman 13 à droite"},
    {"fontNameBox", typedInBox, "Arial 13 centré"},
    {"Ctrl+Shift+P", typedInBox, "Arial 13 centré"},
    {"fontSizeBox", typedInBox, "Times New Roman 20 centré"},
    {"Ctrl+Shift+T", typedInBox, "Times New Roman 20 centré"},
    // F1 in the main window: the main window's topic while it holds no work, then the study
    // window's over its grid, its portrait (where the keyboard already is) and a document; a menu's
    // on that menu, which closes.
    {"F1",
     [](UserPaths& t, const char*) {
       QStringList seen{helpAfterF1(&t.mainForm())};
       t.newStudy({"Jean", "Dupont", "19/04/1950", "05/01/2024"});
       seen << helpAfterF1(&t.mainForm());
       t.run("portraitAction");
       seen << focusIn(t.mainForm());
       seen << helpAfterF1(t.mainForm().focusWidget());
       t.document("Premier mot");
       seen << helpAfterF1(t.editor()) << helpAfterF1(&t.mainForm());
       auto* menu = t.mainForm().findChild<QMenu*>(QStringLiteral("tessaroMenu"));
       menu->popup(QPoint(0, 0));
       seen << helpAfterF1(menu) << QString::number(menu->isVisible());
       return seen.join(QStringLiteral(" | "));
     },
     "La fenêtre principale | La fenêtre de l'étude | editor | La fenêtre de l'étude | La fenêtre de l'étude "
     "| "
     "La fenêtre de l'étude | Le menu Tessaro | 0"},
};

class UserPath : public UserPaths, public ::testing::WithParamInterface<Row> {};

TEST_P(UserPath, ShowsWhatThePersonExpects) {
  EXPECT_EQ(GetParam().situation(*this, GetParam().command).toStdString(), GetParam().seen);
  EXPECT_TRUE(scripted.dialogs.empty()) << "a window that never appeared";
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, UserPath, ::testing::ValuesIn(rows), [](const auto& info) {
  // Keys that are signs are named in words: "Ctrl++" is CtrlPlus.
  return QString::fromLatin1(info.param.command)
      .replace(QStringLiteral("++"), QStringLiteral("+Plus"))
      .replace(QStringLiteral("+="), QStringLiteral("+Equals"))
      .replace(QStringLiteral("+-"), QStringLiteral("+Minus"))
      .remove(QLatin1Char('+'))
      .toStdString();
});

// Without a study the workshop works on a last name typed in; the new study of a first name tried
// there still needs its birth date, and the keyboard waits in that field.
TEST_F(UserPaths, AFirstNameTriedWithoutAStudyWaitsForItsBirthDate) {
  readNextDialog([](QDialog& workshop) {
    workshop.show();
    typeInto(child(workshop, "lastNameEdit"), QStringLiteral("martin"));
    QTest::keyClick(child(workshop, "lastNameEdit"), Qt::Key_Return);
    QTest::keyClicks(child(workshop, "nameSearch"), QStringLiteral("lou"));
    press(workshop, "tryButton");
  });
  QString focus;
  scripted.dialogs.push_back([&focus](QDialog& newStudy) {
    newStudy.show();
    focus = focusIn(newStudy);
    QTest::keyClicks(newStudy.focusWidget(), QStringLiteral("12031985"));
    QTest::keyClick(newStudy.focusWidget(), Qt::Key_Return);
    return newStudy.result();
  });
  run("firstNameWorkshopAction");
  EXPECT_EQ((focus + " | " + subjectSeen()).toStdString(), "birthDateField | MARTIN LOUIS 12/03/1985");
}

// The menu commands and their keys, the toolbar's controls and keys, and F1.
TEST_F(UserPaths, EveryCommandHasItsRow) {
  std::set<std::string> commands{"F1"};
  for (QAction* menu : mainForm().menuBar()->actions()) {
    for (QAction* command : menu->menu()->actions()) {
      if (command->isSeparator()) continue;
      commands.insert(command->objectName().toStdString());
      for (const QKeySequence& keys : command->shortcuts()) commands.insert(keys.toString().toStdString());
    }
  }
  for (QWidget* control :
       child(mainForm(), "SpeedPanel")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    commands.insert(control->objectName().toStdString());
  }
  for (QShortcut* shortcut : mainForm().findChildren<QShortcut*>()) {
    commands.insert(shortcut->key().toString().toStdString());
  }
  std::set<std::string> rowCommands;
  for (const Row& row : rows) rowCommands.insert(row.command);
  EXPECT_EQ(commands, rowCommands);

  // The command table, with the controls that are not commands of their own: the font and size
  // boxes and their keys, and the recent studies' submenu.
  std::set<std::string> fromTable{"F1",           "fontNameBox",  "fontSizeBox",
                                  "Ctrl+Shift+P", "Ctrl+Shift+T", "recentStudiesAction"};
  for (const Command& command : tessaro::commands()) {
    fromTable.insert(command.name);
    if (command.toolbar.name != nullptr) fromTable.insert(command.toolbar.name);
    for (const QKeySequence& keys : QKeySequence::listFromString(QString::fromLatin1(command.keys))) {
      if (!keys.isEmpty()) fromTable.insert(keys.toString().toStdString());
    }
  }
  EXPECT_EQ(fromTable, rowCommands);
}

}  // namespace
}  // namespace tessaro::testing
