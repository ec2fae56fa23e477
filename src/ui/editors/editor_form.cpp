#include "ui/editors/editor_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/capitals.h"
#include "ui/matters/matter_widgets.h"
#include "ui/records/record_widgets.h"

namespace vrk::ui {
namespace {

constexpr int kSaveSteps = 3;  // checked, staged, committed

}  // namespace

EditorForm::EditorForm(AppServices& services, QWidget* parent, const QString& objectName,
                       const QString& heading, QWidget* part)
    : RecordDialog(services, parent, objectName), client_(namedComboBox("SelectClientComboBox", this)) {
  capitaliseOnLeave(client_);

  auto* title = new QLabel(heading, this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* next = namedButton(QStringLiteral("&Next"), "NextButton", this);
  auto* back = namedButton(QStringLiteral("&Back"), "BackButton", this);
  auto* browse = new QHBoxLayout;
  browse->addWidget(new QLabel(QStringLiteral("Client Code"), this));
  browse->addWidget(client_, 1);
  browse->addWidget(next);
  browse->addWidget(back);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(browse);
  layout->addWidget(part);  // after the browse part in the Tab order too
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setRange(0, kSaveSteps);
  progress_->hide();
  layout->addWidget(progress_);
  auto* saveButton = namedButton(QStringLiteral("Save"), "SaveButton", this);
  layout->addLayout(rightButtonRow({saveButton, recordforms::cancelButton(this)}));

  connect(next, &QPushButton::clicked, this, [this] { step(records::Direction::Next); });
  connect(back, &QPushButton::clicked, this, [this] { step(records::Direction::Back); });
  connect(saveButton, &QPushButton::clicked, this, &EditorForm::save);
}

void EditorForm::prepareBoxes() {
  loadPart();
  setStoredItems(client_, browsedClients());
  emptyPart();
  progress_->hide();
}

void EditorForm::done(int result) {
  progress_->hide();
  RecordDialog::done(result);
}

void EditorForm::step(records::Direction direction) {
  if (!hasLogic()) return;
  progress_->hide();
  emptyPart();
  const std::string client = storedText(client_);
  act([&] { return stepLogic(direction, client); });
  showStepped();
}

void EditorForm::save() {
  if (!hasLogic()) return;
  progress_->hide();
  progress_->setValue(0);
  int reached = 0;
  const records::Progress progress = [&](int stepReached) {
    reached = stepReached;
    progress_->setValue(stepReached);
    progress_->show();
    progress_->repaint();  // the save runs before the event loop could paint it
  };
  const dialog::Outcome outcome = act([&] { return saveLogic(progress); });
  if (reached == kSaveSteps) {
    emptyPart();  // saved: nothing is shown until the next step
  } else {
    applyWriteBack(this, outcome);  // refused: the typed boxes stay, normalised where checked
  }
}

}  // namespace vrk::ui
