#include "ui/common/masked_edit.h"

#include <cmath>

namespace vrk::ui {

MaskedEdit::MaskedEdit(const QString& mask, QWidget* parent) : QLineEdit(parent) {
  setInputMask(mask + QStringLiteral(";_"));
  setFont(QFont(QStringLiteral("Monospace")));
  setCursorPosition(0);
}

MaskedEdit* MaskedEdit::rate(QWidget* parent) { return new MaskedEdit(QStringLiteral("\\$99,999.99"), parent); }
MaskedEdit* MaskedEdit::amount(QWidget* parent) {
  return new MaskedEdit(QStringLiteral("\\$99,999,999.99"), parent);
}
MaskedEdit* MaskedEdit::hours(QWidget* parent) { return new MaskedEdit(QStringLiteral("999,999.9"), parent); }

void MaskedEdit::setNumber(double value) {
  // Fill the digit positions from the right with the value's digits, zeros in front.
  const QString mask = inputMask().section(QLatin1Char(';'), 0, 0);
  int decimals = 0;
  const int point = mask.indexOf(QLatin1Char('.'));
  if (point >= 0) decimals = static_cast<int>(mask.size()) - point - 1;
  const auto scaled = static_cast<long long>(std::llround(std::fabs(value) * std::pow(10.0, decimals)));
  QString digits = QString::number(scaled);
  QString shown = mask;
  shown.remove(QStringLiteral("\\"));
  for (qsizetype i = shown.size() - 1, d = digits.size() - 1; i >= 0; --i) {
    if (shown[i] != QLatin1Char('9')) continue;
    shown[i] = d >= 0 ? digits[d--] : QLatin1Char('0');
  }
  setText(shown);
}

}  // namespace vrk::ui
