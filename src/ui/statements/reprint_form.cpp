#include "ui/statements/reprint_form.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "core/statements/final_archive.h"
#include "platform/text_codec.h"
#include "ui/clients/client_form_parts.h"
#include "ui/common/message_boxes.h"
#include "ui/common/printer_choice.h"

namespace vrk::ui {
namespace {

constexpr int kGroupRole = Qt::UserRole;

}  // namespace

TReprintFinalStatementsForm::TReprintFinalStatementsForm(AppServices& services, QWidget* parent)
    : VrkDialog(services, parent), runs_(new QListWidget(this)) {
  setObjectName(QStringLiteral("TReprintFinalStatementsForm"));
  setWindowTitle(QStringLiteral("Reprint Final Statements"));
  setModal(true);
  runs_->setObjectName(QStringLiteral("FinalRunsList"));
  runs_->setMinimumSize(360, 160);
  connect(runs_, &QListWidget::itemActivated, this, [this] { print(); });

  auto* printButton = clientforms::namedButton(QStringLiteral("&Print"), QStringLiteral("PrintButton"), this);
  printButton->setDefault(true);
  connect(printButton, &QPushButton::clicked, this, &TReprintFinalStatementsForm::print);
  auto* openButton = clientforms::namedButton(QStringLiteral("&Open"), QStringLiteral("OpenButton"), this);
  openButton->setAutoDefault(false);
  connect(openButton, &QPushButton::clicked, this, &TReprintFinalStatementsForm::open);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(printButton);
  buttons->addWidget(openButton);
  buttons->addWidget(clientforms::cancelButton(this));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Final statements kept for this billing period:"), this));
  layout->addWidget(runs_, 1);
  layout->addLayout(buttons);
}

int TReprintFinalStatementsForm::exec() { return reload() ? VrkDialog::exec() : int(Rejected); }

bool TReprintFinalStatementsForm::reload() {
  runs_->clear();
  if (!load([this] {
        for (const auto& group : statements::archivedGroups(folder())) {
          auto* item = new QListWidgetItem(platform::fromStored(statements::archiveTitle(group)), runs_);
          item->setData(kGroupRole, platform::fromStored(group));
        }
      }))
    return false;
  if (runs_->count() == 0) {
    showMessage(parentWidget(), {dialog::MessageKind::Information, statements::kNoArchivedRuns});
    return false;
  }
  runs_->setCurrentRow(0);
  return true;
}

QString TReprintFinalStatementsForm::chosenFile() {
  const auto* item = runs_->currentItem();
  if (!item) return {};
  const std::string group = platform::toStored(item->data(kGroupRole).toString());
  const auto path = folder() / statements::archiveName(group);
  return QString::fromStdString(path.string());
}

void TReprintFinalStatementsForm::print() {
  const QString file = chosenFile();
  if (file.isEmpty()) return;
  platform::PrintOptions options;
  options.title = runs_->currentItem()->text();
  if (services().printer.printPdfFile(this, file, options)) accept();
}

void TReprintFinalStatementsForm::open() {
  const QString file = chosenFile();
  if (file.isEmpty()) return;
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
    showMessage(this, {dialog::MessageKind::Error,
                       platform::toStored(QStringLiteral("The file %1 could not be opened.").arg(file))});
}

}  // namespace vrk::ui
