// Typed fields whose text a study or a reading keeps in Windows-1252.
#pragma once

#include <QString>
#include <initializer_list>

class QLineEdit;
class QWidget;

namespace tessaro {

// Whether every field can be kept as typed. Otherwise the first field holding a character that
// Windows-1252 lacks is named in a message, gets the keyboard and keeps what was typed: a "?"
// in its place would be saved for good.
bool fieldsStorable(QWidget* dialog, std::initializer_list<QLineEdit*> fields);

}  // namespace tessaro
