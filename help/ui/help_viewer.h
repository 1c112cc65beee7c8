// The help viewer: contents, keyword index searched by its first letters, and its own page.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "help/help_file.h"
#include "help/keyword_index.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessaro {

// A modeless window beside the main window, or over the modal window it was asked for from.
// The help file is read at the first request that needs it; a file that cannot be read throws
// FileError from that request and is tried again at the next one.
class HelpViewer : public QDialog {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // The help file to read; forgets what was read from the previous one.
  void setHelpFile(const std::string& path);

  // The contents, opened on the first topic.
  void showContents();
  // The index, positioned on the first keyword that begins with the partial key.
  void showSearch(std::string_view partialKey = {});
  // The viewer's own page; needs no help file.
  void showHelpOnHelp();
  // The topic of a window's or menu's context number, or the first topic when no topic has that number.
  void showContext(int32_t context);

 private:
  struct Page {
    bool guide;  // the viewer's own page rather than the help file
    size_t topic;
    bool operator==(const Page&) const = default;
  };

  void ensureLoaded();
  void fillContents();
  void fillIndex();
  const HelpFile& fileOf(const Page& page) const;
  void showPage(const Page& page);
  void goBack();
  // Shows the current page and enables the back button when there is a page to go back to.
  void render();
  void findKeyword(const QString& partialKey);
  void listTopicsOfKeyword(int row);
  void present();

  std::string helpPath;
  std::optional<HelpFile> help;
  std::vector<KeywordEntry> keywords;
  std::vector<QTreeWidgetItem*> contentsItems;  // by topic index
  std::optional<Page> current;
  std::vector<Page> history;

  QPushButton* contentsButton;
  QPushButton* indexButton;
  QPushButton* backButton;
  QPushButton* howToUseButton;
  QPushButton* closeButton;
  QTabWidget* tabs;
  QTreeWidget* contentsTree;
  QLineEdit* keywordSearch;
  QListWidget* keywordList;
  QListWidget* topicList;
  QTextBrowser* topicText;
};

}  // namespace tessaro
