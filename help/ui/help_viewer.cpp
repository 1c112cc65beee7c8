// The help viewer window.
#include "help/ui/help_viewer.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "help/help_on_help.h"
#include "ui/guarded.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int TopicRole = Qt::UserRole;
const QString LinkScheme = QStringLiteral("topic");

QString html(const Text& text) { return toQString(text).toHtmlEscaped(); }

QString topicHtml(const HelpTopic& topic) {
  QString page = QStringLiteral("<h2>") + html(topic.title) + QStringLiteral("</h2>");
  bool inList = false;
  for (const HelpParagraph& paragraph : topic.paragraphs) {
    if (paragraph.bullet != inList) {
      page += paragraph.bullet ? QStringLiteral("<ul>") : QStringLiteral("</ul>");
      inList = paragraph.bullet;
    }
    page += inList ? QStringLiteral("<li>") : QStringLiteral("<p>");
    for (const HelpSpan& span : paragraph.spans) {
      if (span.target) {
        page +=
            QStringLiteral("<a href=\"%1:%2\">%3</a>").arg(LinkScheme).arg(*span.target).arg(html(span.text));
      } else {
        page += html(span.text);
      }
    }
    page += inList ? QStringLiteral("</li>") : QStringLiteral("</p>");
  }
  if (inList) page += QStringLiteral("</ul>");
  return page;
}

QPushButton* panelButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Aide d'Orv Tessaro"));
  setFont(QFont(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 9));
  setModal(false);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("buttonPanel"));
  panel->setFrameShape(QFrame::StyledPanel);
  ContentsButton = panelButton(QStringLiteral("Sommaire"), "ContentsButton", panel);
  IndexButton = panelButton(QStringLiteral("Index"), "IndexButton", panel);
  BackButton = panelButton(QStringLiteral(u"Précédent"), "BackButton", panel);
  HowToUseButton = panelButton(QStringLiteral("Utiliser l'aide"), "HowToUseButton", panel);
  CloseButton = panelButton(QStringLiteral("Fermer"), "CloseButton", panel);
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(4, 2, 4, 2);
  for (QPushButton* button : {ContentsButton, IndexButton, BackButton, HowToUseButton}) {
    panelLayout->addWidget(button);
  }
  panelLayout->addStretch();
  panelLayout->addWidget(CloseButton);

  ContentsTree = new QTreeWidget(this);
  ContentsTree->setObjectName(QStringLiteral("ContentsTree"));
  ContentsTree->setHeaderHidden(true);

  auto* indexPage = new QWidget(this);
  KeyEdit = new QLineEdit(indexPage);
  KeyEdit->setObjectName(QStringLiteral("KeyEdit"));
  KeywordList = new QListWidget(indexPage);
  KeywordList->setObjectName(QStringLiteral("KeywordList"));
  TopicList = new QListWidget(indexPage);
  TopicList->setObjectName(QStringLiteral("TopicList"));
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->addWidget(
      new QLabel(QStringLiteral(u"Tapez les premières lettres du mot cherché :"), indexPage));
  indexLayout->addWidget(KeyEdit);
  indexLayout->addWidget(KeywordList, 2);
  indexLayout->addWidget(new QLabel(QStringLiteral(u"Sujets trouvés :"), indexPage));
  indexLayout->addWidget(TopicList, 1);

  Tabs = new QTabWidget(this);
  Tabs->setObjectName(QStringLiteral("Tabs"));
  Tabs->addTab(ContentsTree, QStringLiteral("Sommaire"));
  Tabs->addTab(indexPage, QStringLiteral("Index"));

  TopicText = new QTextBrowser(this);
  TopicText->setObjectName(QStringLiteral("TopicText"));
  TopicText->setOpenLinks(false);
  BackButton->setEnabled(false);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(Tabs);
  splitter->addWidget(TopicText);
  splitter->setSizes({250, 470});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(splitter, 1);
  resize(720, 480);

  // Qt slots must not let an error escape: a help file that vanished is reported like any other.
  auto guarded = [this](auto action) { return [this, action] { runGuarded(this, [&] { action(); }); }; };
  connect(ContentsButton, &QPushButton::clicked, this, guarded([this] { showContents(); }));
  connect(IndexButton, &QPushButton::clicked, this,
          guarded([this] { showSearch(fromQString(KeyEdit->text())); }));
  connect(BackButton, &QPushButton::clicked, this, &HelpViewer::goBack);
  connect(HowToUseButton, &QPushButton::clicked, this, &HelpViewer::showHelpOnHelp);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
  // Clicks as well as keyboard moves open a topic, so a topic can be opened again after others.
  const auto openTreeItem = [this](QTreeWidgetItem* item) {
    if (item && item->data(0, TopicRole).isValid()) showPage({false, item->data(0, TopicRole).toULongLong()});
  };
  connect(ContentsTree, &QTreeWidget::currentItemChanged, this, openTreeItem);
  connect(ContentsTree, &QTreeWidget::itemClicked, this, [openTreeItem](QTreeWidgetItem* item) {
    if (item->data(0, TopicRole).isValid()) {
      openTreeItem(item);
    } else {
      item->setExpanded(!item->isExpanded());
    }
  });
  const auto openFirstTopicFound = [this] {
    if (TopicList->count() > 0) TopicList->setCurrentRow(0);
  };
  connect(KeyEdit, &QLineEdit::textEdited, this, &HelpViewer::findKeyword);
  connect(KeyEdit, &QLineEdit::returnPressed, this, openFirstTopicFound);
  connect(KeywordList, &QListWidget::currentRowChanged, this, &HelpViewer::listTopicsOfKeyword);
  connect(KeywordList, &QListWidget::itemActivated, this, openFirstTopicFound);
  const auto openListItem = [this](QListWidgetItem* item) {
    if (item) showPage({false, item->data(TopicRole).toULongLong()});
  };
  connect(TopicList, &QListWidget::currentItemChanged, this, openListItem);
  connect(TopicList, &QListWidget::itemClicked, this, openListItem);
  connect(TopicText, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    if (link.scheme() != LinkScheme || !current) return;
    bool valid = false;
    const qulonglong topic = link.path().toULongLong(&valid);
    if (valid && topic < fileOf(*current).topics().size()) showPage({current->guide, topic});
  });
}

void HelpViewer::setHelpFile(const std::string& path) {
  std::error_code ignored;  // a path that cannot be made absolute is kept as given
  const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
  helpPath = absolute.empty() ? path : absolute.string();
  help.reset();
  keywords.clear();
  history.clear();
  BackButton->setEnabled(false);
  if (current && !current->guide) current.reset();
  ContentsTree->clear();
  contentsItems.clear();
  KeywordList->clear();
  TopicList->clear();
}

void HelpViewer::ensureLoaded() {
  if (help) return;
  help = HelpFile::load(helpPath.empty() ? std::string(HelpFileName) : helpPath);
  keywords = buildKeywordIndex(help->topics());
  fillContents();
  fillIndex();
}

void HelpViewer::fillContents() {
  ContentsTree->clear();
  contentsItems.clear();
  QTreeWidgetItem* chapter = nullptr;
  for (size_t i = 0; i < help->topics().size(); ++i) {
    const HelpTopic& topic = help->topics()[i];
    if (topic.chapter.empty()) {
      chapter = nullptr;
    } else if (!chapter || chapter->text(0) != toQString(topic.chapter)) {
      chapter = new QTreeWidgetItem(ContentsTree, {toQString(topic.chapter)});
    }
    auto* item = chapter ? new QTreeWidgetItem(chapter, {toQString(topic.title)})
                         : new QTreeWidgetItem(ContentsTree, {toQString(topic.title)});
    item->setData(0, TopicRole, QVariant::fromValue<qulonglong>(i));
    contentsItems.push_back(item);
  }
}

void HelpViewer::fillIndex() {
  const QSignalBlocker quiet(KeywordList);
  KeywordList->clear();
  for (const KeywordEntry& entry : keywords) KeywordList->addItem(toQString(entry.keyword));
  TopicList->clear();
}

const HelpFile& HelpViewer::fileOf(const Page& page) const { return page.guide ? helpOnHelp() : *help; }

void HelpViewer::showPage(const Page& page) {
  if (current == page) return;
  if (current) history.push_back(*current);
  current = page;
  render();
}

void HelpViewer::goBack() {
  if (history.empty()) return;
  current = history.back();
  history.pop_back();
  render();
}

void HelpViewer::render() {
  TopicText->setHtml(topicHtml(fileOf(*current).topics()[current->topic]));
  BackButton->setEnabled(!history.empty());
  if (!current->guide && current->topic < contentsItems.size()) {
    const QSignalBlocker quiet(ContentsTree);
    ContentsTree->setCurrentItem(contentsItems[current->topic]);
    ContentsTree->scrollToItem(contentsItems[current->topic]);
  }
}

void HelpViewer::findKeyword(const QString& partialKey) {
  const std::optional<size_t> found = findPartialKey(keywords, fromQString(partialKey));
  if (found) {
    KeywordList->setCurrentRow(static_cast<int>(*found));
    KeywordList->scrollToItem(KeywordList->currentItem(), QAbstractItemView::PositionAtTop);
  } else {
    KeywordList->setCurrentRow(-1);
  }
}

void HelpViewer::listTopicsOfKeyword(int row) {
  const QSignalBlocker quiet(TopicList);
  TopicList->clear();
  if (row < 0 || static_cast<size_t>(row) >= keywords.size()) return;
  for (size_t topic : keywords[static_cast<size_t>(row)].topics) {
    auto* item = new QListWidgetItem(toQString(help->topics()[topic].title), TopicList);
    item->setData(TopicRole, QVariant::fromValue<qulonglong>(topic));
  }
}

void HelpViewer::present() {
  // Asked for from a modal window, the viewer goes over it as a modal window itself: otherwise
  // that window would keep the mouse and the keyboard from it until it closes.
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal != this) {
    const Qt::WindowModality wanted = modal != nullptr ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
      hide();
      setWindowModality(wanted);
    }
  }
  show();
  raise();
  activateWindow();
}

void HelpViewer::showContents() {
  ensureLoaded();
  Tabs->setCurrentIndex(0);
  if (!help->empty()) showPage({false, 0});
  present();
}

void HelpViewer::showSearch(std::string_view partialKey) {
  ensureLoaded();
  Tabs->setCurrentIndex(1);
  KeyEdit->setText(toQString(partialKey));
  present();
  // The list can only scroll to the keyword once it is shown at its real size.
  findKeyword(KeyEdit->text());
  KeyEdit->setFocus();
}

void HelpViewer::showHelpOnHelp() {
  showPage({true, 0});
  present();
}

void HelpViewer::showContext(int32_t context) {
  ensureLoaded();
  const std::optional<size_t> topic = help->topicOfContext(context);
  if (topic || !help->empty()) showPage({false, topic.value_or(0)});
  present();
}

}  // namespace tessaro
