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
#include "ui/focus_frame.h"
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
  contentsButton = panelButton(QStringLiteral("Sommaire"), "contentsButton", panel);
  indexButton = panelButton(QStringLiteral("Index"), "indexButton", panel);
  backButton = panelButton(QStringLiteral(u"Précédent"), "backButton", panel);
  howToUseButton = panelButton(QStringLiteral("Utiliser l'aide"), "howToUseButton", panel);
  closeButton = panelButton(QStringLiteral("Fermer"), "closeButton", panel);
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(4, 2, 4, 2);
  for (QPushButton* button : {contentsButton, indexButton, backButton, howToUseButton}) {
    panelLayout->addWidget(button);
  }
  panelLayout->addStretch();
  panelLayout->addWidget(closeButton);

  contentsTree = new QTreeWidget(this);
  contentsTree->setObjectName(QStringLiteral("contentsTree"));
  contentsTree->setHeaderHidden(true);

  auto* indexPage = new QWidget(this);
  keywordSearch = new QLineEdit(indexPage);
  keywordSearch->setObjectName(QStringLiteral("keywordSearch"));
  keywordList = new QListWidget(indexPage);
  keywordList->setObjectName(QStringLiteral("keywordList"));
  topicList = new QListWidget(indexPage);
  topicList->setObjectName(QStringLiteral("topicList"));
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->addWidget(
      new QLabel(QStringLiteral(u"Tapez les premières lettres du mot cherché :"), indexPage));
  indexLayout->addWidget(keywordSearch);
  indexLayout->addWidget(keywordList, 2);
  indexLayout->addWidget(new QLabel(QStringLiteral(u"Sujets trouvés :"), indexPage));
  indexLayout->addWidget(topicList, 1);

  tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("tabs"));
  tabs->addTab(contentsTree, QStringLiteral("Sommaire"));
  tabs->addTab(indexPage, QStringLiteral("Index"));

  topicText = new QTextBrowser(this);
  topicText->setObjectName(QStringLiteral("topicText"));
  topicText->setOpenLinks(false);
  showFocusFrame(*topicText);
  backButton->setEnabled(false);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs);
  splitter->addWidget(topicText);
  splitter->setSizes({250, 470});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(splitter, 1);
  resize(720, 480);

  // Qt slots must not let an error escape: a help file that vanished is reported like any other.
  auto guarded = [this](auto action) { return [this, action] { runGuarded(this, [&] { action(); }); }; };
  connect(contentsButton, &QPushButton::clicked, this, guarded([this] { showContents(); }));
  connect(indexButton, &QPushButton::clicked, this,
          guarded([this] { showSearch(fromQString(keywordSearch->text())); }));
  connect(backButton, &QPushButton::clicked, this, &HelpViewer::goBack);
  connect(howToUseButton, &QPushButton::clicked, this, &HelpViewer::showHelpOnHelp);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  // Clicks as well as keyboard moves open a topic, so a topic can be opened again after others.
  const auto openTreeItem = [this](QTreeWidgetItem* item) {
    if (item && item->data(0, TopicRole).isValid()) showPage({false, item->data(0, TopicRole).toULongLong()});
  };
  connect(contentsTree, &QTreeWidget::currentItemChanged, this, openTreeItem);
  connect(contentsTree, &QTreeWidget::itemClicked, this, [openTreeItem](QTreeWidgetItem* item) {
    if (item->data(0, TopicRole).isValid()) {
      openTreeItem(item);
    } else {
      item->setExpanded(!item->isExpanded());
    }
  });
  const auto openFirstTopicFound = [this] {
    if (topicList->count() > 0) topicList->setCurrentRow(0);
  };
  connect(keywordSearch, &QLineEdit::textEdited, this, &HelpViewer::findKeyword);
  connect(keywordSearch, &QLineEdit::returnPressed, this, openFirstTopicFound);
  connect(keywordList, &QListWidget::currentRowChanged, this, &HelpViewer::listTopicsOfKeyword);
  connect(keywordList, &QListWidget::itemActivated, this, openFirstTopicFound);
  const auto openListItem = [this](QListWidgetItem* item) {
    if (item) showPage({false, item->data(TopicRole).toULongLong()});
  };
  connect(topicList, &QListWidget::currentItemChanged, this, openListItem);
  connect(topicList, &QListWidget::itemClicked, this, openListItem);
  connect(topicText, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
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
  backButton->setEnabled(false);
  if (current && !current->guide) current.reset();
  contentsTree->clear();
  contentsItems.clear();
  keywordList->clear();
  topicList->clear();
}

void HelpViewer::ensureLoaded() {
  if (help) return;
  help = HelpFile::load(helpPath.empty() ? std::string(HelpFileName) : helpPath);
  keywords = buildKeywordIndex(help->topics());
  fillContents();
  fillIndex();
}

void HelpViewer::fillContents() {
  contentsTree->clear();
  contentsItems.clear();
  QTreeWidgetItem* chapter = nullptr;
  for (size_t i = 0; i < help->topics().size(); ++i) {
    const HelpTopic& topic = help->topics()[i];
    if (topic.chapter.empty()) {
      chapter = nullptr;
    } else if (!chapter || chapter->text(0) != toQString(topic.chapter)) {
      chapter = new QTreeWidgetItem(contentsTree, {toQString(topic.chapter)});
    }
    auto* item = chapter ? new QTreeWidgetItem(chapter, {toQString(topic.title)})
                         : new QTreeWidgetItem(contentsTree, {toQString(topic.title)});
    item->setData(0, TopicRole, QVariant::fromValue<qulonglong>(i));
    contentsItems.push_back(item);
  }
}

void HelpViewer::fillIndex() {
  const QSignalBlocker quiet(keywordList);
  keywordList->clear();
  for (const KeywordEntry& entry : keywords) keywordList->addItem(toQString(entry.keyword));
  topicList->clear();
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
  topicText->setHtml(topicHtml(fileOf(*current).topics()[current->topic]));
  backButton->setEnabled(!history.empty());
  if (!current->guide && current->topic < contentsItems.size()) {
    const QSignalBlocker quiet(contentsTree);
    contentsTree->setCurrentItem(contentsItems[current->topic]);
    contentsTree->scrollToItem(contentsItems[current->topic]);
  }
}

void HelpViewer::findKeyword(const QString& partialKey) {
  const std::optional<size_t> found = findPartialKey(keywords, fromQString(partialKey));
  if (found) {
    keywordList->setCurrentRow(static_cast<int>(*found));
    keywordList->scrollToItem(keywordList->currentItem(), QAbstractItemView::PositionAtTop);
  } else {
    keywordList->setCurrentRow(-1);
  }
}

void HelpViewer::listTopicsOfKeyword(int row) {
  const QSignalBlocker quiet(topicList);
  topicList->clear();
  if (row < 0 || static_cast<size_t>(row) >= keywords.size()) return;
  for (size_t topic : keywords[static_cast<size_t>(row)].topics) {
    auto* item = new QListWidgetItem(toQString(help->topics()[topic].title), topicList);
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
  tabs->setCurrentIndex(0);
  if (!help->empty()) showPage({false, 0});
  present();
}

void HelpViewer::showSearch(std::string_view partialKey) {
  ensureLoaded();
  tabs->setCurrentIndex(1);
  keywordSearch->setText(toQString(partialKey));
  present();
  // The list can only scroll to the keyword once it is shown at its real size.
  findKeyword(keywordSearch->text());
  keywordSearch->setFocus();
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
