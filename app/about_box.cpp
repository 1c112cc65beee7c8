// The about box and the splash window.
#include "app/about_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/program_pictures.h"
#include "common/cp1252_literal.h"
#include "ui/classic_fonts.h"
#include "ui/dialog_frame.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

const QString ProductName = QStringLiteral("Orv Tessaro");
const QString VersionLine = QStringLiteral("Version 2.0");

QLabel* picture(const QString& resource, const QRect& place, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QStringLiteral("ProgramIcon"));
  label->setGeometry(place);
  const qreal ratio = parent->devicePixelRatioF();
  QPixmap pixmap = QIcon(resource).pixmap(place.size() * ratio);
  pixmap.setDevicePixelRatio(ratio);
  label->setPixmap(pixmap);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QLabel* text(const QString& caption, const QFont& font, const QRect& place, QWidget* parent,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(caption, parent);
  label->setFont(font);
  label->setGeometry(place);
  label->setAlignment(alignment);
  label->setWordWrap(true);
  return label;
}

void centreOnScreen(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window->move(screen->availableGeometry().center() - window->rect().center());
  }
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TAboutBox"));
  setWindowTitle(QStringLiteral("A propos"));
  setFont(classicFont(ClassicFace::MsSansSerif, 13));
  setFixedDialogFrame(*this, 367, 226);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("infoPanel"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(8, 8, 351, 170);
  picture(QStringLiteral(":/icons/tessaro.svg"), QRect(16, 16, 80, 79), panel);
  QFont bold = font();
  bold.setBold(true);
  bold.setPixelSize(16);
  text(ProductName, bold, QRect(120, 16, 215, 24), panel)->setObjectName(QStringLiteral("ProductName"));
  text(VersionLine, font(), QRect(120, 46, 215, 20), panel)->setObjectName(QStringLiteral("Version"));
  text(toQString("Logiciel de numérologie : le thème d'une personne d'après son nom et sa date "
                 "de naissance."_cp1252),
       font(), QRect(16, 108, 319, 48), panel)
      ->setObjectName(QStringLiteral("Comments"));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setGeometry(146, 190, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

TSplash::TSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  loadProgramPictures();
  setObjectName(QStringLiteral("TSplash"));
  setFixedSize(318, 221);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);
  panel->setGeometry(rect());
  panel->setAutoFillBackground(true);
  QPalette olive = panel->palette();
  olive.setColor(QPalette::Window, QColor(128, 128, 0));
  olive.setColor(QPalette::WindowText, Qt::white);
  panel->setPalette(olive);
  picture(QStringLiteral(":/icons/tessaro-portrait.svg"), QRect(20, 42, 105, 137), panel);
  text(ProductName, classicFont(ClassicFace::Arial, 26, true), QRect(140, 80, 170, 36), panel);
  text(VersionLine, classicFont(ClassicFace::Arial, 14), QRect(140, 120, 170, 22), panel);
  centreOnScreen(this);
}

}  // namespace tessaro
