// The study the workbench works on: the subject and what was worked out of it, and its file.
// No widgets: the windows show it, the program owns it.
#pragma once

#include <QString>

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

struct Study {
  StudySubject Subject;
  DigitCountArray DigitCounts{};
  QString FileName;  // empty until the study is saved or opened
  bool VenusDone = false;
  bool IncludeFirstName = false;
};

}  // namespace tessaro
