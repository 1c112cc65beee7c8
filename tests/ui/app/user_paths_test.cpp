// Every command of the menus, the toolbar and the keyboard, run in the running program the way a
// person runs it, with what that person then sees: one row per command, and a command without
// its row fails.
#include <QAbstractButton>
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
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QTimer>
#include <QToolButton>
#include <set>

#include "app/main_form.h"
#include "app/study_window.h"
#include "app_fixture.h"
#include "engine/ui/result_dialog.h"
#include "help/ui/help_viewer.h"

namespace tessaro::testing {
namespace {

class UserPaths : public ProgramTest {
 public:
  using ProgramTest::action;
  using ProgramTest::clock;
  using ProgramTest::mainForm;
  using ProgramTest::readNextDialog;
  using ProgramTest::scripted;
  using ProgramTest::study;
  using ProgramTest::trigger;

  UserPaths() {
    mainForm().show();  // as at start-up: the dictionary is loaded and the help file found
    scripted.chosenPdf = file(QStringLiteral("sortie.pdf"));
  }

  QString file(const QString& name) const { return folder.filePath(name); }
  QString fileText(const QString& name) const {
    QFile read(file(name));
    return read.open(QIODevice::ReadOnly) ? QString::fromLatin1(read.readAll()) : QStringLiteral("(aucun)");
  }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
  }
  QString pdfText() const {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), file(QStringLiteral("sortie.pdf")), QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
  }

  // Types over what the field holds, as the keyboard does after Tab.
  static void typeInto(QWidget* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }
  static QWidget* child(QWidget& window, const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
  }
  // What a label or a field shows.
  static QString text(QWidget& window, const char* name) {
    return child(window, name)->property("text").toString();
  }
  static QString focusIn(QWidget& window) {
    return window.focusWidget() != nullptr ? window.focusWidget()->objectName() : QString();
  }
  // F1 where the person is: the title of the help topic that then shows.
  static QString helpAfterF1(QWidget* where) {
    QTest::keyClick(where, Qt::Key_F1);
    const QString page =
        appWindows().Help->findChild<QTextBrowser*>(QStringLiteral("TopicText"))->toPlainText();
    return page.section(QLatin1Char('\n'), 0, 0);
  }
  static QString helpShown() {
    return appWindows()
        .Help->findChild<QTextBrowser*>(QStringLiteral("TopicText"))
        ->toPlainText()
        .section(QLatin1Char('\n'), 0, 0);
  }

  // A key in the active main window, where the menus' and the toolbar's keys live.
  void press(const char* keys) {
    mainForm().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&mainForm()));
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &mainForm();
    QTest::keySequence(target, QKeySequence(QString::fromLatin1(keys)));
  }
  void click(const char* toolButton) const {
    mainForm().findChild<QAbstractButton*>(QString::fromLatin1(toolButton))->click();
  }
  // Runs a command that shows one window, and hands that window to the reader.
  QString inWindow(const std::function<void()>& command, const std::function<QString(QDialog&)>& reader) {
    QString seen;
    readNextDialog([&](QDialog& dialog) { seen = reader(dialog); });
    command();
    return seen;
  }

  // New studies typed into "Nouveau thème": the dialog closed with Enter in the birth date.
  void answerTyped(const QString& first, const QString& last, const QString& birth) {
    scripted.dialogs.push_back([first, last, birth](QDialog& dialog) {
      typeInto(child(dialog, "Edit1"), first);
      typeInto(child(dialog, "Edit2"), last);
      typeInto(child(dialog, "DateTimePicker1"), birth);
      QTest::keyClick(child(dialog, "DateTimePicker1"), Qt::Key_Return);
      return dialog.result();
    });
  }
  QString subjectSeen() const {
    return study().windowTitle() + QLatin1Char(' ') + QString::fromLatin1(study().subject().BirthDate);
  }
  void marieDurand() {
    answerTyped(QStringLiteral("Marie"), QStringLiteral("Durand"), QStringLiteral("19/04/1950"));
    trigger("Nouveauthme1");
  }
  void portrait() {
    marieDurand();
    trigger("Portraitgnral1");
  }
  QTextEdit* editor() const { return study().findChild<QTextEdit*>(QStringLiteral("Rtf1")); }
  QString firstLine() const { return editor()->toPlainText().section(QLatin1Char('\n'), 0, 0); }
  // A document opened as a person opens one, its whole text selected.
  void document(const QByteArray& text) {
    write(QStringLiteral("texte.rtf"), text);
    scripted.openChoices.push_back(FileChoice{file(QStringLiteral("texte.rtf"))});
    trigger("OpenItem");
    editor()->selectAll();
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
  // A formatting command on the selected text, after the text was centred.
  QString formatted(const std::function<void(UserPaths&)>& command) {
    document("Premier mot");
    editor()->setAlignment(Qt::AlignHCenter);
    command(*this);
    return selectionLooks();
  }
  QString statusLine() const { return mainForm().findChild<QLabel*>(QStringLiteral("StatusPanel0"))->text(); }
  // An analysis of MARIE DURAND: its title, its first field and the topic of F1 in it.
  QString analysis(const char* command) {
    marieDurand();
    return inWindow([&] { trigger(command); },
                    [](QDialog& dialog) {
                      return dialog.windowTitle() + " | " +
                             dynamic_cast<ResultDialog&>(dialog).edit(1)->text() + " | " +
                             helpAfterF1(&dialog);
                    });
  }
  // Saves MARIE DURAND under a name, and shows the file written.
  QString saved(const std::function<void(UserPaths&)>& command) {
    marieDurand();
    scripted.saveChoices.push_back(FileChoice{file(QStringLiteral("durand"))});
    command(*this);
    return fileText(QStringLiteral("durand.tsr")).replace(QStringLiteral("\r\n"), QStringLiteral("/"));
  }
  QString copied(const std::function<void(UserPaths&)>& command) {
    document("Premier mot");
    command(*this);
    return QApplication::clipboard()->text();
  }
  QString pasted(const std::function<void(UserPaths&)>& command) {
    document("Premier mot");
    QApplication::clipboard()->setText(QStringLiteral("Coll\u00E9"));
    command(*this);
    return editor()->toPlainText();
  }

  QTemporaryDir folder;
};

struct Row {
  const char* command;  // a menu command or toolbar control by name, or a key
  std::function<QString(UserPaths&)> run;
  const char* seen;  // UTF-8
};

const char* const DateRefused =
    "Date de naissance incorrecte : tapez-la sous la forme jj/mm/aaaa, par exemple 19/04/1950";

const Row rows[] = {
    // Fichier
    {"Nouveauthme1",
     [](UserPaths& t) {
       t.answerTyped(QStringLiteral("jean"), QStringLiteral("dupont"), QStringLiteral("19/04/1950"));
       t.trigger("Nouveauthme1");
       return t.subjectSeen();
     },
     "DUPONT JEAN 19/04/1950"},
    {"Etude1",
     [](UserPaths& t) {
       QStringList seen;
       t.scripted.dialogs.push_back([&](QDialog& dialog) {
         dialog.show();
         const auto said = [&] {
           seen << t.scripted.messages.value(seen.size()) + " @" + UserPaths::focusIn(dialog);
         };
         QTest::mouseClick(UserPaths::child(dialog, "Button2"), Qt::LeftButton);
         said();
         UserPaths::typeInto(UserPaths::child(dialog, "Edit1"), QStringLiteral("jean"));
         QTest::keyClick(UserPaths::child(dialog, "Edit1"), Qt::Key_Return);
         said();
         UserPaths::typeInto(UserPaths::child(dialog, "Edit2"), QStringLiteral("dupont"));
         UserPaths::typeInto(UserPaths::child(dialog, "DateTimePicker1"), QStringLiteral("31/02/1950"));
         QTest::keyClick(UserPaths::child(dialog, "DateTimePicker1"), Qt::Key_Return);
         said();
         seen.last() += " " + UserPaths::text(dialog, "DateTimePicker1");
         UserPaths::typeInto(UserPaths::child(dialog, "DateTimePicker1"), QStringLiteral("1/4/1950"));
         QTest::mouseClick(UserPaths::child(dialog, "Button2"), Qt::LeftButton);
         return dialog.result();
       });
       t.trigger("Etude1");
       return seen.join(QStringLiteral(" | ")) + " | " + t.subjectSeen();
     },
     "Il manque le prénom @Edit1 | Il manque le nom @Edit2 | Date de naissance incorrecte : tapez-la sous la "
     "forme jj/mm/aaaa, par exemple 19/04/1950 @DateTimePicker1 31/02/1950 | DUPONT JEAN 01/04/1950"},
    {"SpeedButton1",
     [](UserPaths& t) {
       t.answerTyped(QStringLiteral("jean"), QStringLiteral("dupont"), QStringLiteral("19041950"));
       t.click("SpeedButton1");
       return t.subjectSeen();
     },
     "DUPONT JEAN 19/04/1950"},
    {"F2",
     [](UserPaths& t) {
       return t.inWindow(
           [&] { t.press("F2"); },
           [](QDialog& dialog) { return dialog.windowTitle() + " | " + UserPaths::helpAfterF1(&dialog); });
     },
     "Nouveau thème | Commencer une étude"},
    {"OpenItem",
     [](UserPaths& t) {
       t.write(QStringLiteral("durand.tsr"), "Marie\r\nDurand\r\n19/04/1950\r\n05/01/2024\r\n\r\n\r\n\r\n");
       t.scripted.openChoices.push_back(FileChoice{t.file(QStringLiteral("durand.tsr"))});
       t.trigger("OpenItem");
       return t.subjectSeen();
     },
     "Durand Marie 19/04/1950"},
    {"OpenBtn",
     [](UserPaths& t) {
       t.write(QStringLiteral("texte.rtf"), "{\\rtf1 Bonjour}");
       t.scripted.openChoices.push_back(FileChoice{t.file(QStringLiteral("texte.rtf"))});
       t.click("OpenBtn");
       return t.editor()->toPlainText();
     },
     "Bonjour"},
    {"Ctrl+O",
     [](UserPaths& t) {
       t.scripted.openChoices.push_back(std::nullopt);
       t.press("Ctrl+O");
       return t.scripted.asked.join(QLatin1Char('|'));
     },
     "open: Fichier Tessaro (*.tsr)|*.tsr|Fichier Etude (*.rtf)|*.rtf"},
    {"Fermer1",
     [](UserPaths& t) {
       t.portrait();
       t.trigger("Fermer1");
       return QStringLiteral("%1 %2").arg(t.editor()->isHidden()).arg(t.action("Copier1")->isEnabled());
     },
     "1 0"},
    {"SaveItem", [](UserPaths& t) { return t.saved([](UserPaths& u) { u.trigger("SaveItem"); }); },
     "MARIE/DURAND/19/04/1950/05/01/2024////"},
    {"SaveBtn", [](UserPaths& t) { return t.saved([](UserPaths& u) { u.click("SaveBtn"); }); },
     "MARIE/DURAND/19/04/1950/05/01/2024////"},
    {"Ctrl+S", [](UserPaths& t) { return t.saved([](UserPaths& u) { u.press("Ctrl+S"); }); },
     "MARIE/DURAND/19/04/1950/05/01/2024////"},
    {"Enregistrersous1",
     [](UserPaths& t) {
       t.marieDurand();
       t.scripted.saveChoices.push_back(std::nullopt);
       t.trigger("Enregistrersous1");
       return QStringLiteral("%1 %2")
           .arg(t.scripted.replaceQuestions.size())
           .arg(QDir(t.folder.path()).isEmpty());
     },
     "1 1"},
    {"Exporter1",
     [](UserPaths& t) {
       t.portrait();
       t.scripted.saveChoices.push_back(FileChoice{t.file(QStringLiteral("portrait.txt")), 1});
       t.trigger("Exporter1");
       return t.fileText(QStringLiteral("portrait.txt")).section(QStringLiteral("\r\n"), 0, 0);
     },
     "Analyse effectuée le 05/01/2024"},
    {"Imprimer1",
     [](UserPaths& t) {
       t.portrait();
       t.scripted.copies.push_back(1);
       t.trigger("Imprimer1");
       return t.pdfText().left(31);
     },
     "Analyse effectuée le 05/01/2024"},
    {"SpeedButton4",
     [](UserPaths& t) {
       t.portrait();
       t.scripted.copies.push_back(1);
       t.trigger("Imprimer1");  // the printer the person chose: a PDF file
       QFile::remove(t.file(QStringLiteral("sortie.pdf")));
       t.click("SpeedButton4");
       return t.scripted.asked.filter(QStringLiteral("print")).join(QLatin1Char(' ')) + " " +
              t.pdfText().left(31);
     },
     "print Analyse effectuée le 05/01/2024"},
    {"Configurerlimprimante1",
     [](UserPaths& t) {
       t.portrait();
       t.scripted.printerSetups.push_back(true);
       t.trigger("Configurerlimprimante1");
       return t.scripted.asked.last();
     },
     "printer setup"},
    {"ExitItem",
     [](UserPaths& t) {
       t.trigger("ExitItem");
       return QString::number(t.mainForm().isVisible());
     },
     "0"},
    {"Alt+X",
     [](UserPaths& t) {
       t.press("Alt+X");
       return QString::number(t.mainForm().isVisible());
     },
     "0"},
    // Edition
    {"Copier1", [](UserPaths& t) { return t.copied([](UserPaths& u) { u.trigger("Copier1"); }); },
     "Premier mot"},
    {"SpeedButton2", [](UserPaths& t) { return t.copied([](UserPaths& u) { u.click("SpeedButton2"); }); },
     "Premier mot"},
    {"Ctrl+C", [](UserPaths& t) { return t.copied([](UserPaths& u) { u.press("Ctrl+C"); }); }, "Premier mot"},
    {"Coller1", [](UserPaths& t) { return t.pasted([](UserPaths& u) { u.trigger("Coller1"); }); }, "Collé"},
    {"SpeedButton3", [](UserPaths& t) { return t.pasted([](UserPaths& u) { u.click("SpeedButton3"); }); },
     "Collé"},
    {"Ctrl+V", [](UserPaths& t) { return t.pasted([](UserPaths& u) { u.press("Ctrl+V"); }); }, "Collé"},
    {"Rechercher1",
     [](UserPaths& t) {
       t.document("LE NOM ET LE NOMBRE\nle nom");
       t.trigger("Rechercher1");
       QDialog& find = *t.study().findChild<QDialog*>(QStringLiteral("FindDialog1"));
       QStringList seen;
       const auto next = [&](const QString& text) {
         UserPaths::typeInto(UserPaths::child(find, "FindText"), text);
         qobject_cast<QAbstractButton*>(UserPaths::child(find, "FindNext"))->click();
         seen << QString::number(t.editor()->textCursor().selectionStart());
       };
       next(QStringLiteral("nom"));
       next(QStringLiteral("nom"));
       qobject_cast<QAbstractButton*>(UserPaths::child(find, "DirectionUp"))->click();
       next(QStringLiteral("nom"));
       next(QStringLiteral("nom"));
       seen << t.statusLine() << UserPaths::helpAfterF1(&find);
       return seen.join(QLatin1Char(' '));
     },
     "3 13 3 3 Impossible de trouver « nom » Rechercher, copier, imprimer"},
    {"Slectionnertout1",
     [](UserPaths& t) {
       t.document("Premier mot");
       t.editor()->moveCursor(QTextCursor::End);
       t.trigger("Slectionnertout1");
       return t.editor()->textCursor().selectedText();
     },
     "Premier mot"},
    {"Puces1", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.trigger("Puces1"); }); },
     "Times New Roman 13 centré puces"},
    // Tessaro
    {"Etoiledevnus1",
     [](UserPaths& t) {
       t.marieDurand();
       t.trigger("Etoiledevnus1");
       QStringList counts;
       for (auto* cell : t.study().findChild<QWidget*>(QStringLiteral("Panel5"))->findChildren<QLabel*>()) {
         counts << cell->text();
       }
       return counts.join(QLatin1Char(' '));
     },
     "2 0 1 3 2 0 0 0 3"},
    {"Interprtation1", [](UserPaths& t) { return t.analysis("Interprtation1"); },
     "Interprétation | 4 9  | L'interprétation de l'étoile"},
    {"Graphiquecomplet1", [](UserPaths& t) { return t.analysis("Graphiquecomplet1"); },
     "Graphique complet du nom | 1 | Le graphique complet"},
    {"Lettresdunom1", [](UserPaths& t) { return t.analysis("Lettresdunom1"); },
     "Lettres du nom | M.D.= 8 | Les lettres du nom"},
    {"Datedenaissance1", [](UserPaths& t) { return t.analysis("Datedenaissance1"); },
     "Date de Naissance | 19 = 1 | La date de naissance et le chemin de vie"},
    {"Nombreunique1", [](UserPaths& t) { return t.analysis("Nombreunique1"); },
     "Le nombre cosmique | 1 | Le nombre unique"},
    {"Anneencours1", [](UserPaths& t) { return t.analysis("Anneencours1"); },
     "Analyse au 05/01/2024 | 4 | L'année en cours"},
    {"Chance1", [](UserPaths& t) { return t.analysis("Chance1"); },
     "Nombre de la chance | 20 | Les nombres de la chance"},
    {"Viecourante1",
     [](UserPaths& t) {
       t.marieDurand();
       t.trigger("Viecourante1");
       return t.scripted.messages.join(QLatin1Char('|'));
     },
     "Adresse manquante"},
    {"Prnom1",
     [](UserPaths& t) {
       t.marieDurand();
       return t.inWindow([&] { t.trigger("Prnom1"); },
                         [](QDialog& dialog) {
                           return dialog.findChild<QPlainTextEdit*>()->toPlainText().section(
                                      QLatin1Char('\n'), 0, 0) +
                                  " | " + UserPaths::helpAfterF1(&dialog);
                         });
     },
     "MARIE | La lecture du prénom"},
    {"Ententedeux1",
     [](UserPaths& t) {
       t.portrait();
       t.scripted.copies.push_back(1);
       t.trigger("Imprimer1");  // the printer the person chose: a PDF file
       QString seen;
       t.scripted.dialogs.push_back([&](QDialog& people) {
         seen = UserPaths::focusIn(people);
         seen += " | " + UserPaths::helpAfterF1(&people);
         UserPaths::typeInto(UserPaths::child(people, "Edit3"), QStringLiteral("jean"));
         UserPaths::typeInto(UserPaths::child(people, "Edit4"), QStringLiteral("dupont"));
         QTest::keyClick(UserPaths::child(people, "Edit4"), Qt::Key_Return);
         return people.result();
       });
       t.readNextDialog([](QDialog& result) {
         qobject_cast<QAbstractButton*>(UserPaths::child(result, "SpeedButton1"))->click();
       });
       t.trigger("Ententedeux1");
       return seen + " | " + t.pdfText().left(41);
     },
     "Edit3 | L'entente à deux | Entente entre MARIE DURAND et JEAN DUPONT"},
    {"Portraitgnral1",
     [](UserPaths& t) {
       t.portrait();
       return t.firstLine() + QStringLiteral(" %1").arg(t.action("Copier1")->isEnabled());
     },
     "Analyse effectuée le 05/01/2024 1"},
    // Prénoms
    {"Consulter1",
     [](UserPaths& t) {
       t.marieDurand();
       return t.inWindow([&] { t.trigger("Consulter1"); },
                         [](QDialog& browser) {
                           auto* memo = browser.findChild<QPlainTextEdit*>();
                           const QString first = memo->toPlainText().section(QLatin1Char('\n'), 0, 0);
                           QTest::keyClick(memo, Qt::Key_PageDown);
                           return first + " " + memo->toPlainText().section(QLatin1Char('\n'), 0, 0) + " | " +
                                  UserPaths::helpAfterF1(memo);
                         });
     },
     "MARIE MARIE-CLAUDE | Le dictionnaire des prénoms"},
    {"Inclureleprnom1",
     [](UserPaths& t) {
       t.trigger("Inclureleprnom1");
       t.portrait();
       return QStringLiteral("%1 %2")
           .arg(t.action("Inclureleprnom1")->isChecked())
           .arg(t.editor()->toPlainText().contains(QStringLiteral("Origine hébraïque, fête le 15 août")));
     },
     "1 1"},
    // Utilitaires
    {"Calendrier1",
     [](UserPaths& t) {
       return t.inWindow([&] { t.trigger("Calendrier1"); },
                         [](QDialog& calendar) {
                           const QString month = UserPaths::text(calendar, "Label1");
                           QTest::keyClick(UserPaths::child(calendar, "Calendar1"), Qt::Key_PageDown);
                           return month + " " + UserPaths::text(calendar, "Label1") + " | " +
                                  UserPaths::helpAfterF1(&calendar);
                         });
     },
     "janvier  2024 février  2024 | Le calendrier"},
    {"Calculatrice1",
     [](UserPaths& t) {
       t.scripted.dialogs.push_back([](QDialog& pocket) {
         QTest::keyClicks(&pocket, QStringLiteral("12+3"));
         QTest::keyClick(&pocket, Qt::Key_Escape);
         return pocket.result();
       });
       t.trigger("Calculatrice1");
       return t.inWindow([&] { t.trigger("Calculatrice1"); },
                         [](QDialog& pocket) {
                           QTest::keyClicks(&pocket, QStringLiteral("4="));
                           return UserPaths::text(pocket, "Label1") + " | " + UserPaths::helpAfterF1(&pocket);
                         });
     },
     "4 | La calculatrice"},
    {"Horloge1",
     [](UserPaths& t) {
       return t.inWindow(
           [&] { t.trigger("Horloge1"); },
           [&](QDialog& clock) {
             QStringList seen{UserPaths::text(clock, "Label1"), UserPaths::text(clock, "Label2")};
             t.clock.time.second = 8;
             QMetaObject::invokeMethod(clock.findChild<QTimer*>(), "timeout");
             seen << UserPaths::text(clock, "Label1");
             qobject_cast<QAbstractButton*>(UserPaths::child(clock, "Button2"))->click();
             qobject_cast<QAbstractButton*>(UserPaths::child(clock, "Hr"))->click();
             qobject_cast<QAbstractButton*>(UserPaths::child(clock, "SpinButton1Up"))->click();
             seen << UserPaths::text(clock, "Label1") << t.scripted.messages.join(QLatin1Char('|'))
                  << UserPaths::helpAfterF1(&clock);
             return seen.join(QLatin1Char(' '));
           });
     },
     "09:05:07 05/01/2024 09:05:08 10:05:08  L'horloge"},
    // Aide
    {"Sommaire1",
     [](UserPaths& t) {
       t.trigger("Sommaire1");
       return UserPaths::helpShown();
     },
     "Sommaire"},
    {"Rechercher2",
     [](UserPaths& t) {
       t.trigger("Rechercher2");
       auto* tabs = appWindows().Help->findChild<QTabWidget*>();
       return tabs->tabText(tabs->currentIndex());
     },
     "Index"},
    {"Utiliserlaide1",
     [](UserPaths& t) {
       t.trigger("Utiliserlaide1");
       return UserPaths::helpShown() + " | " + UserPaths::helpAfterF1(appWindows().Help);
     },
     "Utiliser l'aide | Utiliser l'aide"},
    {"About1",
     [](UserPaths& t) {
       return t.inWindow(
           [&] { t.trigger("About1"); },
           [](QDialog& about) { return about.windowTitle() + " | " + UserPaths::helpAfterF1(&about); });
     },
     "A propos | A propos d'Orv Tessaro"},
    // The formatting of the toolbar, and its keys
    {"BoldButton", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.click("BoldButton"); }); },
     "Times New Roman 13 gras centré"},
    {"Ctrl+G", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.press("Ctrl+G"); }); },
     "Times New Roman 13 gras centré"},
    {"ItalButton", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.click("ItalButton"); }); },
     "Times New Roman 13 italique centré"},
    {"Ctrl+I", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.press("Ctrl+I"); }); },
     "Times New Roman 13 italique centré"},
    {"UnderButton", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.click("UnderButton"); }); },
     "Times New Roman 13 souligné centré"},
    {"Ctrl+U", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.press("Ctrl+U"); }); },
     "Times New Roman 13 souligné centré"},
    {"LeftButton", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.click("LeftButton"); }); },
     "Times New Roman 13"},
    {"Ctrl+Shift+G", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.press("Ctrl+Shift+G"); }); },
     "Times New Roman 13"},
    {"CenterButton", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.click("CenterButton"); }); },
     "Times New Roman 13 centré"},
    {"Ctrl+E", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.press("Ctrl+E"); }); },
     "Times New Roman 13 centré"},
    {"RightButton", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.click("RightButton"); }); },
     "Times New Roman 13 à droite"},
    {"Ctrl+Shift+D", [](UserPaths& t) { return t.formatted([](UserPaths& u) { u.press("Ctrl+Shift+D"); }); },
     "Times New Roman 13 à droite"},
    {"ComboBox1",
     [](UserPaths& t) {
       return t.formatted([](UserPaths& u) {
         u.mainForm()
             .findChild<QComboBox*>(QStringLiteral("ComboBox1"))
             ->setEditText(QStringLiteral("Arial"));
       });
     },
     "Arial 13 centré"},
    {"Ctrl+Shift+P",
     [](UserPaths& t) {
       return t.formatted([](UserPaths& u) {
         u.press("Ctrl+Shift+P");
         UserPaths::typeInto(QApplication::focusWidget(), QStringLiteral("Arial"));
       });
     },
     "Arial 13 centré"},
    {"SpinEdit1",
     [](UserPaths& t) {
       return t.formatted([](UserPaths& u) {
         u.mainForm().findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(20);
       });
     },
     "Times New Roman 20 centré"},
    {"Ctrl+Shift+T",
     [](UserPaths& t) {
       return t.formatted([](UserPaths& u) {
         u.press("Ctrl+Shift+T");
         UserPaths::typeInto(QApplication::focusWidget(), QStringLiteral("20"));
       });
     },
     "Times New Roman 20 centré"},
    // F1 in the main window: the study window's topic in its text, the main window's elsewhere,
    // a menu's on that menu.
    {"F1",
     [](UserPaths& t) {
       t.document("Premier mot");
       const QString inText = UserPaths::helpAfterF1(t.editor());
       const QString inMainWindow = UserPaths::helpAfterF1(&t.mainForm());
       auto* menu = t.mainForm().findChild<QMenu*>(QStringLiteral("Tessaro1"));
       menu->popup(QPoint(0, 0));
       const QString onMenu = UserPaths::helpAfterF1(menu);
       return QStringLiteral("%1 | %2 | %3 %4").arg(inText, inMainWindow, onMenu).arg(menu->isVisible());
     },
     "La fenêtre de l'étude | La fenêtre principale | Le menu Tessaro 0"},
};

class UserPath : public UserPaths, public ::testing::WithParamInterface<Row> {};

TEST_P(UserPath, ShowsWhatThePersonExpects) {
  EXPECT_EQ(GetParam().run(*this).toStdString(), GetParam().seen);
  EXPECT_TRUE(scripted.dialogs.empty()) << "a window that never appeared";
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, UserPath, ::testing::ValuesIn(rows), [](const auto& info) {
  return QString::fromLatin1(info.param.command).remove(QLatin1Char('+')).toStdString();
});

// The menu commands, the toolbar's controls and every key of the main window.
TEST_F(UserPaths, EveryCommandHasItsRow) {
  std::set<std::string> commands{"F1"};
  for (QAction* menu : mainForm().menuBar()->actions()) {
    for (QAction* command : menu->menu()->actions()) {
      if (command->isSeparator()) continue;
      commands.insert(command->objectName().toStdString());
      if (!command->shortcut().isEmpty()) commands.insert(command->shortcut().toString().toStdString());
    }
  }
  for (QWidget* control : mainForm()
                              .findChild<QWidget*>(QStringLiteral("SpeedPanel"))
                              ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!control->objectName().isEmpty()) commands.insert(control->objectName().toStdString());
  }
  for (QShortcut* shortcut : mainForm().findChildren<QShortcut*>()) {
    commands.insert(shortcut->key().toString().toStdString());
  }
  std::set<std::string> rowCommands;
  for (const Row& row : rows) rowCommands.insert(row.command);
  EXPECT_EQ(commands, rowCommands);
}

}  // namespace
}  // namespace tessaro::testing
