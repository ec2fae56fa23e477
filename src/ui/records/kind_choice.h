// The choice between "Cost Record" and "Credit Record" of the cost/credit dialogs.
#pragma once

#include <QGroupBox>
#include <cstdint>

class QButtonGroup;

namespace vrk::ui {

class KindChoice : public QGroupBox {
  Q_OBJECT

 public:
  explicit KindChoice(QWidget* parent);

  std::int32_t kind() const;  // records::kCost or records::kCredit
  void setKind(std::int32_t kind);

 private:
  QButtonGroup* buttons_;
};

}  // namespace vrk::ui
