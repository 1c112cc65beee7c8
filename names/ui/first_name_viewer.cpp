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
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  Button1 = new QPushButton(QStringLiteral("Fermer"), panel);
  Button1->setObjectName(QStringLiteral("Button1"));
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(4, 2, 4, 2);
  panelLayout->addStretch();
  panelLayout->addWidget(Button1);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(Memo1, 1);
  resize(420, 260);

  connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TVPrenom::Init(const Text& reading) {
  QStringList lines;
  for (const Text& line : cleanMemoLines(reading)) lines << toQString(line);
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace tessaro
