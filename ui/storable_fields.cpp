// Typed fields checked against what Windows-1252 can hold.
#include "ui/storable_fields.h"

#include <QLineEdit>

#include "common/cp1252.h"
#include "common/errors.h"
#include "ui/interaction.h"

namespace tessaro {

bool fieldsStorable(QWidget* dialog, std::initializer_list<QLineEdit*> fields) {
  for (QLineEdit* field : fields) {
    try {
      storableText(field->text().toStdString());
    } catch (const UserMessage& refusal) {
      interaction().message(dialog, QString::fromStdString(refusal.utf8Message()));
      field->setFocus(Qt::OtherFocusReason);
      field->selectAll();
      return false;
    }
  }
  return true;
}

}  // namespace tessaro
