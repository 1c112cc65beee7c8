// The dialog that asks for the two people of a compatibility reading.
#pragma once

#include <QDialog>
#include <optional>
#include <string_view>

#include "engine/compatibility.h"

class QLineEdit;

namespace tessaro {

class TDeux : public QDialog {
  Q_OBJECT

 public:
  explicit TDeux(QWidget* parent = nullptr);

  // Offers the first person; the second person typed last time stays.
  void Init(std::string_view firstName, std::string_view lastName);
  // The four names as typed, or nothing when the dialog was not accepted or the second person's
  // first or last name is empty.
  std::optional<PairNames> Result();

  void cancelPair();  // "Annuler"
  void acceptPair();  // "OK"

 protected:
  // The Enter key of the four fields.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void acceptOnEnter();
  // "Etude...": the second person's names from a saved study.
  void secondFromStudy();
  // The letter tables read Windows-1252: a name they cannot read keeps the dialog open.
  bool namesStorable();

  QLineEdit* edits[4] = {};
  bool Accepted = false;
};

}  // namespace tessaro
