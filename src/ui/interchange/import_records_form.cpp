#include "ui/interchange/import_records_form.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/interchange/import_dialog.h"
#include "core/store/file_io.h"
#include "core/store/store_error.h"
#include "platform/text_codec.h"
#include "ui/common/message_boxes.h"

namespace vrk::ui {
namespace {

constexpr std::uint64_t kMostPreviewBytes = 64ULL << 20;

}  // namespace

TImportRecordsForm::TImportRecordsForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent),
      time_(new QRadioButton(QStringLiteral("&Time Records"), this)),
      costCredit_(new QRadioButton(QStringLiteral("&Cost/Credit Records"), this)),
      payment_(new QRadioButton(QStringLiteral("&Payment Records"), this)),
      file_(new QLineEdit(this)),
      preview_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("TImportRecordsForm"));
  setWindowTitle(QStringLiteral("Import Records"));
  time_->setObjectName(QStringLiteral("TimeRecordsRadioButton"));
  costCredit_->setObjectName(QStringLiteral("CostCreditRecordsRadioButton"));
  payment_->setObjectName(QStringLiteral("PaymentRecordsRadioButton"));
  time_->setChecked(true);
  auto* kinds = new QGroupBox(QStringLiteral("Kind Of Records"), this);
  auto* kindRow = new QHBoxLayout(kinds);
  for (auto* button : {time_, costCredit_, payment_}) kindRow->addWidget(button);

  file_->setObjectName(QStringLiteral("FileEdit"));
  auto* fileLabel = new QLabel(QStringLiteral("CSV &File:"), this);
  fileLabel->setBuddy(file_);
  auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
  browse->setObjectName(QStringLiteral("BrowseButton"));
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, &TImportRecordsForm::browse);
  connect(file_, &QLineEdit::editingFinished, this, &TImportRecordsForm::showPreview);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(fileLabel);
  fileRow->addWidget(file_, 1);
  fileRow->addWidget(browse);

  preview_->setObjectName(QStringLiteral("PreviewMemo"));
  preview_->setReadOnly(true);
  preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
  preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  preview_->setMinimumSize(640, 220);

  auto* importButton = new QPushButton(QStringLiteral("&Import"), this);
  importButton->setObjectName(QStringLiteral("ImportButton"));
  importButton->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  connect(importButton, &QPushButton::clicked, this, &TImportRecordsForm::import);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(importButton);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(kinds);
  layout->addLayout(fileRow);
  layout->addWidget(new QLabel(QStringLiteral("The file's first rows, or the rows it could not import:"), this));
  layout->addWidget(preview_, 1);
  layout->addLayout(buttons);
}

void TImportRecordsForm::browse() {
  const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Import Records"), file_->text(),
                                                      QStringLiteral("CSV files (*.csv);;All files (*)"));
  if (chosen.isEmpty()) return;
  file_->setText(chosen);
  showPreview();
}

void TImportRecordsForm::showPreview() {
  preview_->clear();
  if (file_->text().isEmpty()) return;
  try {
    const std::string bytes = store::io::readWhole(platform::toPath(file_->text()), kMostPreviewBytes);
    for (const auto& line : interchange::previewLines(bytes)) preview_->appendPlainText(platform::fromStored(line));
  } catch (const std::exception& error) {
    preview_->setPlainText(QString::fromStdString(store::errorText(error)));
  }
}

void TImportRecordsForm::import() {
  const auto kind = time_->isChecked()         ? interchange::ImportKind::Time
                    : costCredit_->isChecked() ? interchange::ImportKind::CostCredit
                                               : interchange::ImportKind::Payment;
  MessageBoxPrompter prompter(this);
  act([&] {
    std::vector<std::string> problems;
    auto outcome = interchange::importFile(services().session.dataFilesPath, services().session.billingPeriod,
                                           kind, platform::toPath(file_->text()), prompter, problems);
    if (!problems.empty()) {  // listed before the box that points at them
      preview_->clear();
      for (const auto& problem : problems) preview_->appendPlainText(platform::fromStored(problem));
    }
    return outcome;
  });
}

}  // namespace vrk::ui
