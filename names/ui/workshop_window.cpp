// The first-name workshop window.
#include "names/ui/workshop_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "common/cp1252.h"
#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "common/file_io.h"
#include "files/study_file.h"
#include "files/ui/pdf_file.h"
#include "names/dictionary.h"
#include "names/folded_name.h"
#include "names/ui/first_name_viewer.h"
#include "names/ui/name_card.h"
#include "names/ui/workshop_model.h"
#include "names/ui/workshop_pdf.h"
#include "ui/dialog_frame.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr const char* CsvFilter = "Fichier CSV (*.csv)|*.csv";
constexpr const char* CsvExtension = ".csv";
// The program's own question before a file is replaced.
constexpr const char* ReplaceQuestionText = "ce fichier existe déjà, l'écraser ?"_cp1252;
constexpr const char* NumberChoices[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "11", "22"};
constexpr int DictionaryOrder = -1;

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
  auto* made = new QPushButton(text, parent);
  made->setObjectName(QString::fromLatin1(name));
  made->setAutoDefault(false);
  return made;
}

}  // namespace

WorkshopWindow::WorkshopWindow(WorkshopServices givenServices, QWidget* parent)
    : QDialog(parent), services(std::move(givenServices)) {
  setObjectName(QStringLiteral("WorkshopWindow"));
  setWindowTitle(QStringLiteral(u"Atelier des prénoms"));
  setSizeGripEnabled(true);

  lastNameEdit = new QLineEdit(this);
  lastNameEdit->setObjectName(QStringLiteral("lastNameEdit"));
  firstNameEdit = new QLineEdit(this);
  firstNameEdit->setObjectName(QStringLiteral("firstNameEdit"));
  firstNameEdit->setPlaceholderText(QStringLiteral(u"(le nom seul)"));
  auto* nameLine = new QHBoxLayout;
  nameLine->addWidget(labelFor(QStringLiteral("&Nom :"), lastNameEdit, this));
  nameLine->addWidget(lastNameEdit, 1);
  nameLine->addWidget(labelFor(QStringLiteral(u"&Prénom actuel :"), firstNameEdit, this));
  nameLine->addWidget(firstNameEdit, 1);

  auto* filterBox = new QGroupBox(QStringLiteral("Filtres"), this);
  buildFilters(filterBox);

  nameSearch = new QLineEdit(this);
  nameSearch->setObjectName(QStringLiteral("nameSearch"));
  nameSearch->setClearButtonEnabled(true);
  nameSearch->setToolTip(QStringLiteral(u"Tapez le début d'un prénom ; Entrée passe au suivant"));
  sortChoice = new QComboBox(this);
  sortChoice->setObjectName(QStringLiteral("sortChoice"));
  sortChoice->addItem(QStringLiteral("Ordre du dictionnaire"), DictionaryOrder);
  for (int column = 0; column < WorkshopColumnCount; ++column) {
    sortChoice->addItem(toQString(WorkshopColumnTitles[static_cast<size_t>(column)]), column);
  }
  candidateEdit = new QLineEdit(this);
  candidateEdit->setObjectName(QStringLiteral("candidateEdit"));
  candidateEdit->setToolTip(
      QStringLiteral(u"Un prénom absent du dictionnaire, composé, étranger, ou un nom de société"));
  addButton = button(QStringLiteral("A&jouter"), "addButton", this);
  auto* findLine = new QHBoxLayout;
  findLine->addWidget(labelFor(QStringLiteral("&Chercher :"), nameSearch, this));
  findLine->addWidget(nameSearch, 1);
  findLine->addWidget(labelFor(QStringLiteral("&Trier par :"), sortChoice, this));
  findLine->addWidget(sortChoice);
  findLine->addWidget(labelFor(QStringLiteral(u"A&utre prénom :"), candidateEdit, this));
  findLine->addWidget(candidateEdit, 1);
  findLine->addWidget(addButton);

  model = new WorkshopModel(this);
  shown = new WorkshopFilterModel(model, this);
  nameTable = new QTableView(this);
  nameTable->setObjectName(QStringLiteral("nameTable"));
  nameTable->setModel(shown);
  nameTable->setSortingEnabled(true);
  nameTable->sortByColumn(DictionaryOrder, Qt::AscendingOrder);
  nameTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  nameTable->setSelectionMode(QAbstractItemView::SingleSelection);
  nameTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  nameTable->setAlternatingRowColors(true);
  nameTable->verticalHeader()->hide();
  nameTable->verticalHeader()->setDefaultSectionSize(nameTable->fontMetrics().height() + 6);
  nameTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  nameTable->setTabKeyNavigation(false);
  countLabel = new QLabel(this);
  countLabel->setObjectName(QStringLiteral("countLabel"));

  auto* tablePart = new QWidget(this);
  auto* tableLayout = new QVBoxLayout(tablePart);
  tableLayout->setContentsMargins(0, 0, 0, 0);
  tableLayout->addWidget(nameTable, 1);
  tableLayout->addWidget(countLabel);

  auto* comparison = new QWidget(this);
  currentCard = new NameCard(QStringLiteral("Nom actuel :"), QStringLiteral("currentCard"), comparison);
  chosenCard = new NameCard(QStringLiteral(u"Prénom choisi :"), QStringLiteral("chosenCard"), comparison);
  auto* comparisonLayout = new QHBoxLayout(comparison);
  comparisonLayout->setContentsMargins(0, 4, 0, 0);
  comparisonLayout->addWidget(currentCard);
  comparisonLayout->addSpacing(16);
  comparisonLayout->addWidget(chosenCard);
  comparisonLayout->addStretch();

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(tablePart);
  splitter->addWidget(comparison);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setChildrenCollapsible(false);

  tryButton = button(QStringLiteral(u"&Essayer ce prénom"), "tryButton", this);
  csvButton = button(QStringLiteral("Exporter C&SV..."), "csvButton", this);
  pdfButton = button(QStringLiteral("Exporter P&DF..."), "pdfButton", this);
  closeButton = button(QStringLiteral("Fermer"), "closeButton", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(tryButton);
  buttons->addWidget(csvButton);
  buttons->addWidget(pdfButton);
  buttons->addStretch();
  buttons->addWidget(closeButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameLine);
  layout->addWidget(filterBox);
  layout->addLayout(findLine);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);
  resize(960, 720);

  viewer = new TVPrenom(this);

  connect(lastNameEdit, &QLineEdit::textEdited, this, &WorkshopWindow::refresh);
  connect(firstNameEdit, &QLineEdit::textEdited, this, &WorkshopWindow::refresh);
  connect(sortChoice, &QComboBox::activated, this, [this] { sortBy(sortChoice->currentData().toInt()); });
  connect(nameTable->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int column) {
    const QSignalBlocker quiet(sortChoice);
    sortChoice->setCurrentIndex(sortChoice->findData(column));
  });
  connect(nameSearch, &QLineEdit::textEdited, this, [this] { findTypedName(false); });
  connect(candidateEdit, &QLineEdit::returnPressed, this, &WorkshopWindow::addCandidate);
  connect(addButton, &QPushButton::clicked, this, &WorkshopWindow::addCandidate);
  connect(nameTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &WorkshopWindow::showComparison);
  connect(nameTable, &QTableView::doubleClicked, this, &WorkshopWindow::openRecord);
  connect(tryButton, &QPushButton::clicked, this, &WorkshopWindow::tryChosenName);
  connect(csvButton, &QPushButton::clicked, this, &WorkshopWindow::exportCsv);
  connect(pdfButton, &QPushButton::clicked, this, &WorkshopWindow::exportPdf);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  nameSearch->installEventFilter(this);
  nameTable->installEventFilter(this);
}

void WorkshopWindow::buildFilters(QWidget* parent) {
  auto* filters = new QHBoxLayout;
  const char* const labels[] = {"&Intime :", "E&xpression :", "&Réalisation :"_cp1252, "&Actif :"};
  const char* const names[] = {"intimateFilter", "expressionFilter", "realisationFilter", "activeFilter"};
  for (size_t i = 0; i < numberFilters.size(); ++i) {
    numberFilters[i] = new QComboBox(parent);
    numberFilters[i]->setObjectName(QString::fromLatin1(names[i]));
    numberFilters[i]->addItem(QStringLiteral("Tous"), QString());
    for (const char* number : NumberChoices)
      numberFilters[i]->addItem(QString::fromLatin1(number), QString::fromLatin1(number));
    filters->addWidget(labelFor(toQString(labels[i]), numberFilters[i], parent));
    filters->addWidget(numberFilters[i]);
    connect(numberFilters[i], &QComboBox::currentIndexChanged, this, &WorkshopWindow::applyFilter);
  }
  filters->addStretch();
  auto* fills = new QHBoxLayout;
  fills->addWidget(new QLabel(QStringLiteral("Comble :"), parent));
  for (int digit = 1; digit <= 9; ++digit) {
    auto* box = new QCheckBox(QString::number(digit), parent);
    box->setObjectName(QStringLiteral("fills%1").arg(digit));
    box->setToolTip(
        QStringLiteral(u"Seulement les prénoms qui apportent le chiffre %1, manquant au nom actuel")
            .arg(digit));
    fillBoxes[static_cast<size_t>(digit)] = box;
    fills->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &WorkshopWindow::applyFilter);
  }
  fills->addStretch();
  auto* rows = new QVBoxLayout(parent);
  rows->setContentsMargins(6, 2, 6, 2);
  rows->setSpacing(2);
  rows->addLayout(filters);
  rows->addLayout(fills);
}

void WorkshopWindow::startFromOpenStudy() {
  const StudySubject study = services.openStudy();
  lastNameEdit->setText(toQString(study.LastName));
  firstNameEdit->setText(toQString(study.FirstName));
  refresh();
}

void WorkshopWindow::showEvent(QShowEvent* event) {
  fitOnScreen(*this);
  startFromOpenStudy();
  QDialog::showEvent(event);
  nameSearch->setFocus();
}

bool WorkshopWindow::storableField(QLineEdit* field, Text& stored) {
  try {
    // Both names follow the same rule when a study stores them.
    stored = storedFirstName(storableText(field->text().toStdString()));
    return true;
  } catch (const UserMessage& refused) {
    services.interaction.message(this, QString::fromStdString(refused.utf8Message()));
    field->setText(toQString(field == lastNameEdit ? lastName : firstName));
    return false;
  }
}

void WorkshopWindow::refresh() {
  if (!storableField(lastNameEdit, lastName) || !storableField(firstNameEdit, firstName)) return;
  const WorkshopRow* before = chosenRow();
  const Text chosen = before ? before->numbers.firstName : Text();
  std::vector<WorkshopRow> rows;
  if (!lastName.empty()) {
    const NameWorkshop workshop(currentName());
    for (DictionaryCandidate& candidate : dictionaryCandidates(services.dictionary.lines())) {
      rows.push_back({workshop.numbersFor(candidate.firstName), std::move(candidate.origin),
                      std::move(candidate.feast), true});
    }
    for (const Text& added : addedNames) rows.push_back({workshop.numbersFor(added), {}, {}, false});
  }
  model->setRows(std::move(rows));
  for (int r = 0; r < shown->rowCount(); ++r) {
    if (shown->row(r).numbers.firstName == chosen) nameTable->selectRow(r);
  }
  applyFilter();
}

StudySubject WorkshopWindow::currentName() const {
  StudySubject name;
  name.LastName = lastName;
  name.FirstName = firstName;
  return name;
}

void WorkshopWindow::applyFilter() {
  CandidateFilter filter;
  NumberText* const wanted[] = {&filter.intimate, &filter.expression, &filter.realisation, &filter.active};
  for (size_t i = 0; i < numberFilters.size(); ++i)
    *wanted[i] = fromQString(numberFilters[i]->currentData().toString());
  for (size_t digit = 1; digit <= 9; ++digit) filter.mustFill[digit] = fillBoxes[digit]->isChecked();
  shown->setFilter(filter);
  countLabel->setText(
      lastName.empty()
          ? QStringLiteral(u"Tapez un nom de famille.")
          : QStringLiteral(u"%1 prénoms affichés sur %2").arg(shown->rowCount()).arg(model->rowCount()));
  showComparison();
}

void WorkshopWindow::sortBy(int column) {
  nameTable->sortByColumn(column, Qt::AscendingOrder);
  if (const QModelIndex current = nameTable->currentIndex(); current.isValid()) nameTable->scrollTo(current);
}

// As the dictionary's browser finds a name: from the start of the list as shown, or after the
// chosen name and round to the top; case and accents aside.
void WorkshopWindow::findTypedName(bool next) {
  const Text wanted = foldedName(fromQString(nameSearch->text()));
  const int count = shown->rowCount();
  if (wanted.empty() || count == 0) return;
  const int start = next && nameTable->currentIndex().isValid() ? nameTable->currentIndex().row() + 1 : 0;
  for (int k = 0; k < count; ++k) {
    const int r = (start + k) % count;
    if (foldedName(shown->row(r).numbers.firstName).starts_with(wanted)) {
      nameTable->selectRow(r);
      nameTable->scrollTo(shown->index(r, 0));
      return;
    }
  }
}

void WorkshopWindow::addCandidate() {
  Text typed;
  try {
    typed = storedFirstName(storableText(candidateEdit->text().toStdString()));
  } catch (const UserMessage& refused) {
    services.interaction.message(this, QString::fromStdString(refused.utf8Message()));
    return;
  }
  if (typed.empty()) return;
  bool listed = false;
  for (int r = 0; r < model->rowCount(); ++r) listed = listed || model->row(r).numbers.firstName == typed;
  if (!listed) addedNames.push_back(typed);
  refresh();
  candidateEdit->clear();
  for (int r = 0; r < shown->rowCount(); ++r) {
    if (shown->row(r).numbers.firstName == typed) {
      nameTable->selectRow(r);
      nameTable->scrollTo(shown->index(r, 0));
      return;
    }
  }
  services.interaction.message(
      this, QStringLiteral(u"%1 est dans la liste, mais les filtres le cachent.").arg(toQString(typed)));
}

const WorkshopRow* WorkshopWindow::chosenRow() const {
  const QModelIndex current = nameTable->currentIndex();
  if (!current.isValid() || !nameTable->selectionModel()->isRowSelected(current.row(), {})) return nullptr;
  return &shown->row(current.row());
}

void WorkshopWindow::showComparison() {
  const NameWorkshop workshop(currentName());
  currentCard->showName(currentName(), workshop.currentNumbers(), {});
  const WorkshopRow* chosen = chosenRow();
  StudySubject candidate;
  if (chosen != nullptr) {
    candidate.FirstName = chosen->numbers.firstName;
    candidate.LastName = lastName;
  }
  chosenCard->showName(candidate, chosen ? chosen->numbers : CandidateNumbers{},
                       chosen ? chosen->numbers.fills : Text());
  tryButton->setEnabled(chosen != nullptr);
}

void WorkshopWindow::openRecord(const QModelIndex& index) {
  if (!index.isValid()) return;
  viewer->Init(services.dictionary.readingFor(shown->row(index.row()).numbers.firstName));
  services.interaction.execDialog(*viewer);
}

void WorkshopWindow::tryChosenName() {
  const WorkshopRow* chosen = chosenRow();
  if (chosen == nullptr || !services.tryFirstName) return;
  StudySubject subject = services.openStudy();
  subject.FirstName = chosen->numbers.firstName;
  subject.LastName = lastName;
  services.tryFirstName(subject);
}

std::optional<std::string> WorkshopWindow::askExportFile(const char* filter, const char* extension) {
  const std::optional<FileChoice> choice =
      services.interaction.saveFileName(this, toQString(filter), ReplaceQuestion::ByCaller, QString(), {});
  if (!choice) return std::nullopt;
  // The question comes once the name has its extension: the dialog only knew the name as typed.
  const std::string path = withDefaultExtension(nativePath(choice->path), extension);
  if (fileExists(path) &&
      services.interaction.askYesNoCancel(this, toQString(ReplaceQuestionText)) != Answer::Yes) {
    return std::nullopt;
  }
  return path;
}

void WorkshopWindow::exportCsv() {
  try {
    if (const std::optional<std::string> path = askExportFile(CsvFilter, CsvExtension)) {
      writeFileAtomically(*path, workshopCsv(shown->shownRows()));
    }
  } catch (const TessaroError& error) {
    services.interaction.message(this, QString::fromStdString(error.utf8Message()));
  }
}

void WorkshopWindow::exportPdf() {
  try {
    const std::optional<std::string> path = askExportFile(PdfFilter, PdfExtension);
    if (!path) return;
    saveWorkshopPdf(windowTitle() + QStringLiteral(" : ") + toQString(trim(firstName + ' ' + lastName)),
                    countLabel->text(), shown->shownRows(), *path);
  } catch (const TessaroError& error) {
    services.interaction.message(this, QString::fromStdString(error.utf8Message()));
  }
}

bool WorkshopWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == nameSearch && enter) {
      findTypedName(true);
      return true;
    }
    // The search field has no lines: the arrows and page keys move in the list, as typing does.
    if (watched == nameSearch &&
        (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
      QCoreApplication::sendEvent(nameTable, event);
      return true;
    }
    if (watched == nameTable && enter) {
      openRecord(nameTable->currentIndex());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tessaro
