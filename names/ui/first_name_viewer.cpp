// The first-name viewer window.
#include "names/ui/first_name_viewer.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "engine/text_table.h"
#include "ui/qt_text.h"

namespace tessaro {

TVPrenom::TVPrenom(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral(u"Le prénom"));
  setFont(QFont(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 9));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("buttonPanel"));
  panel->setFrameShape(QFrame::StyledPanel);
  closeButton = new QPushButton(QStringLiteral("Fermer"), panel);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(4, 2, 4, 2);
  panelLayout->addStretch();
  panelLayout->addWidget(closeButton);

  readingMemo = new QPlainTextEdit(this);
  readingMemo->setObjectName(QStringLiteral("readingMemo"));
  readingMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(readingMemo, 1);
  resize(420, 260);

  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TVPrenom::Init(const Text& reading) {
  QStringList lines;
  for (const Text& line : cleanMemoLines(reading)) lines << toQString(line);
  readingMemo->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace tessaro
