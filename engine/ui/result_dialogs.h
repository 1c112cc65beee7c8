// The result dialogs of the analyses, each with its own caption, fields and Init.
#pragma once

#include <string_view>

#include "engine/ui/result_dialog.h"

namespace tessaro {

// Venus star interpretation.
class TInter : public ResultDialog {
 public:
  explicit TInter(QWidget* parent = nullptr);
  void Init(std::string_view dominantNumbers, std::string_view missingNumbers, std::string_view reading);
};

// Complete chart of the name.
class TGraphique : public ResultDialog {
 public:
  explicit TGraphique(QWidget* parent = nullptr);
  void Init(std::string_view intimate, std::string_view expression, std::string_view realisation,
            std::string_view active, std::string_view hereditary, std::string_view reading);
};

// Letters of the name.
class TLnom : public ResultDialog {
 public:
  explicit TLnom(QWidget* parent = nullptr);
  void Init(std::string_view initialsLine, std::string_view firstVowel, std::string_view cerebral,
            std::string_view physical, std::string_view emotional, std::string_view intuitive,
            std::string_view reading);
};

// Birth date and life path.
class TChemin : public ResultDialog {
 public:
  explicit TChemin(QWidget* parent = nullptr);
  void Init(std::string_view dayLine, std::string_view monthLine, std::string_view yearLine,
            std::string_view lifePath, std::string_view reading);
};

// Unique number.
class TUnique : public ResultDialog {
 public:
  explicit TUnique(QWidget* parent = nullptr);
  void Init(std::string_view active, std::string_view hereditary, std::string_view lifePath,
            std::string_view unique, std::string_view reading);
};

// Current year; the caller titles it with the study date before showing it.
class TAnnee : public ResultDialog {
 public:
  explicit TAnnee(QWidget* parent = nullptr);
  void Init(std::string_view personalYear, std::string_view transitLetter, std::string_view markerBefore,
            std::string_view markerAfter, std::string_view monthNumber, std::string_view dayNumber,
            std::string_view reading);
};

// Luck numbers: fields only.
class TChance : public ResultDialog {
 public:
  explicit TChance(QWidget* parent = nullptr);
  void Init(std::string_view unique, std::string_view lifePath, std::string_view birthDay,
            std::string_view intimate, std::string_view luckList);
};

// Current life.
class TVie : public ResultDialog {
 public:
  explicit TVie(QWidget* parent = nullptr);
  void Init(std::string_view expression, std::string_view city, std::string_view address,
            std::string_view company, std::string_view reading);
};

}  // namespace tessaro
