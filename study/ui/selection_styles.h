// The attributes of the editor's selection that the toolbar shows.
#pragma once

#include <QString>

namespace tessaro {

struct SelectionStyles {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool bullets = false;
  bool alignLeft = true;
  bool alignRight = false;
  bool alignCenter = false;
  int size = 10;
  QString fontName;
};

}  // namespace tessaro
