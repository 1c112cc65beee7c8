// The F1 key of every window.
#include "help/ui/help_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QVariant>
#include <optional>

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
std::optional<int32_t> helpContextOf(const QWidget* widget) {
  const auto outward = [](const QWidget* inner) {
    return inner->isWindow() && inner->windowType() != Qt::Popup ? nullptr : inner->parentWidget();
  };
  for (; widget != nullptr; widget = outward(widget)) {
    const QVariant context = widget->property(HelpContextProperty);
    if (context.isValid()) return context.toInt();
  }
  return std::nullopt;
}

class HelpKey final : public QObject {
 public:
  HelpKey(QWidget* mainWindow, HelpViewer& help) : QObject(mainWindow), mainWindow(mainWindow), help(help) {}

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
      } else if (const std::optional<int32_t> context = helpContextOf(widget)) {
        help.showContext(*context);
      } else {
        help.showContents();
      }
    });
    return true;
  }

 private:
  QWidget* mainWindow;
  HelpViewer& help;
};

}  // namespace

void setHelpContext(QWidget* window, int32_t context) { window->setProperty(HelpContextProperty, context); }

void installHelpKey(QWidget* mainWindow, HelpViewer& help) {
  qApp->installEventFilter(new HelpKey(mainWindow, help));
}

}  // namespace tessaro
