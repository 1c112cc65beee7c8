// The F1 key of every window.
#include "help/ui/help_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QVariant>
#include <optional>
#include <utility>

#include "help/ui/help_viewer.h"
#include "ui/guarded.h"

namespace tessaro {
namespace {

constexpr const char* HelpContextProperty = "HelpContext";

bool isHelpKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

// From the widget with the keyboard out to its window: the first that has a topic. The study
// window has its own, although it lies inside the main window. A drop-down list or calendar
// belongs to the window it drops from.
struct HelpContext {
  const QWidget* owner;  // the widget that carries the topic
  int32_t context;
};

std::optional<HelpContext> helpContextOf(const QWidget* widget) {
  const auto outward = [](const QWidget* inner) {
    return inner->isWindow() && inner->windowType() != Qt::Popup ? nullptr : inner->parentWidget();
  };
  for (; widget != nullptr; widget = outward(widget)) {
    const QVariant context = widget->property(HelpContextProperty);
    if (context.isValid()) return HelpContext{widget, context.toInt()};
  }
  return std::nullopt;
}

class HelpKey final : public QObject {
 public:
  HelpKey(QWidget* mainWindow, HelpViewer& help, std::function<const QWidget*()> workInHand)
      : QObject(mainWindow), mainWindow(mainWindow), help(help), workInHand(std::move(workInHand)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !isHelpKey(event)) return false;
    QWidget* window = widget->window();
    QWidget* messageParent = window;
    if (auto* menu = qobject_cast<QMenu*>(window)) {
      menu->close();
      messageParent = mainWindow;
    }
    runGuarded(messageParent, [&] {
      if (window == &help) {
        help.showHelpOnHelp();
      } else if (const std::optional<HelpContext> found = topicFor(widget)) {
        help.showContext(found->context);
      } else {
        help.showContents();
      }
    });
    return true;
  }

 private:
  std::optional<HelpContext> topicFor(const QWidget* widget) const {
    std::optional<HelpContext> found = helpContextOf(widget);
    if (found && found->owner == mainWindow && workInHand) {
      if (const QWidget* work = workInHand()) {
        if (const std::optional<HelpContext> ofWork = helpContextOf(work)) return ofWork;
      }
    }
    return found;
  }

  QWidget* mainWindow;
  HelpViewer& help;
  std::function<const QWidget*()> workInHand;
};

}  // namespace

void setHelpContext(QWidget* window, int32_t context) { window->setProperty(HelpContextProperty, context); }

void installHelpKey(QWidget* mainWindow, HelpViewer& help, std::function<const QWidget*()> workInHand) {
  qApp->installEventFilter(new HelpKey(mainWindow, help, std::move(workInHand)));
}

}  // namespace tessaro
