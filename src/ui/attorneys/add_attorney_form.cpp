#include "ui/attorneys/add_attorney_form.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/attorneys/attorney_messages.h"
#include "ui/attorneys/attorney_grid_view.h"
#include "ui/attorneys/form_parts.h"
#include "ui/common/capitals.h"
#include "ui/common/masked_edit.h"

namespace vrk::ui {

TAddAttorneyForm::TAddAttorneyForm(AppServices& services, QWidget* parent)
    : AttorneyForm(services, parent),
      rateLabel_(namedLabel({}, QStringLiteral("RateLabel"), this)),
      initials_(new QLineEdit(this)),
      grid_(new AttorneyGridView(this)) {
  grid_->setFocusPolicy(Qt::NoFocus);  // a preview of the row being typed: not in the Tab chain
  setObjectName(QStringLiteral("TAddAttorneyForm"));
  initials_->setObjectName(QStringLiteral("AddAttorneyEditBox"));
  capitaliseOnLeave(initials_);
  connect(initials_, &QLineEdit::textEdited, this, &TAddAttorneyForm::previewInitials);
  connect(initials_, &QLineEdit::editingFinished, this, &TAddAttorneyForm::previewInitials);

  auto* boxes = new QGridLayout;
  for (int k = 1; k <= attorneys::kMaxFeeSchedules; ++k) {
    MaskedEdit* box = MaskedEdit::rate(this);
    box->setObjectName(QStringLiteral("HourlyRateMaskEdit%1").arg(k));
    connect(box, &QLineEdit::textEdited, this, [this, k] { previewRate(k); });
    rates_[static_cast<std::size_t>(k - 1)] = box;
    const int row = (k - 1) % 5;
    const int column = (k - 1) / 5 * 2;
    boxes->addWidget(new QLabel(QStringLiteral("Schedule %1").arg(k), this), row, column);
    boxes->addWidget(box, row, column + 1);
  }

  auto* save = namedButton(QStringLiteral("Save"), QStringLiteral("SaveButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(save, &QPushButton::clicked, this, &TAddAttorneyForm::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addWidget(namedLabel(attorneys::kAddInitialsLabel, QStringLiteral("InitialsLabel"), this));
  layout->addWidget(initials_);
  layout->addWidget(rateLabel_);
  layout->addLayout(boxes);
  layout->addLayout(buttonRow({save, cancel}));
}

void TAddAttorneyForm::openRegister() {
  logic_.emplace(folder());
  grid_->showGrid(logic_->grid());
  rateLabel_->setText(shownText(logic_->rateLabel()));
  initials_->clear();
  for (int k = 1; k <= attorneys::kMaxFeeSchedules; ++k) {
    MaskedEdit* box = rates_[static_cast<std::size_t>(k - 1)];
    box->clearToBlanks();
    box->setEnabled(logic_->rateBoxEnabled(k));
  }
  initials_->setFocus();
}

void TAddAttorneyForm::closeDown() {
  logic_.reset();
  grid_->clearGrid();
}

void TAddAttorneyForm::previewInitials() {
  if (!logic_) return;
  grid_->setCellText(logic_->previewRow(), 0, logic_->typeInitials(platform::toStored(initials_->text())));
}

void TAddAttorneyForm::previewRate(int box) {
  if (!logic_) return;
  const MaskedEdit* edit = rates_[static_cast<std::size_t>(box - 1)];
  grid_->setCellText(logic_->previewRow(), box, logic_->typeRate(box, platform::toStored(edit->maskText())));
}

void TAddAttorneyForm::save() {
  if (!logic_) return;
  attorneys::AddAttorneyInput input{platform::toStored(initials_->text()), {}};
  for (std::size_t k = 0; k < rates_.size(); ++k)
    input.rateBoxes[k] = platform::toStored(rates_[k]->maskText());
  act([&] { return logic_->save(input); });
}

}  // namespace vrk::ui
