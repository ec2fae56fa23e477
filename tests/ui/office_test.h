// The office a dialog test works on: a fresh temporary folder for each test function (a copy of the
// sample office's July 2001 folder unless asked otherwise), billing period 07/2001, today 7/20/2001,
// and every message box recorded in `seen_` and answered with `answer_`.
#pragma once

#include <QObject>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/dialog/outcome.h"
#include "support/temp_folder.h"
#include "ui/common/message_boxes.h"
#include "ui/test_services.h"

namespace vrk::test {

class OfficeTest : public QObject {
 protected:
  // Call from the test's init() and cleanup() slots.
  void openOffice(bool withSampleOffice = true) {
    folder_ = std::make_unique<TempFolder>();
    period_ = withSampleOffice ? copySampleOffice(folder_->path()) : std::filesystem::path();
    services_.session.dataFilesPath = folder_->path().string() + "/";
    services_.session.billingPeriod = "072001";
    seen_.clear();
    answer_ = true;
    ui::setMessageInterceptor([this](const dialog::Message& message) {
      seen_.push_back(message);
      return answer_;
    });
  }
  void closeOffice() {
    ui::setMessageInterceptor({});
    services_.printer.setReporter({});
    folder_.reset();
  }

  std::unique_ptr<TempFolder> folder_;
  std::filesystem::path period_;  // the July 2001 folder of the copied office
  TestServices services_{{2001, 7, 20}};
  std::vector<dialog::Message> seen_;
  bool answer_ = true;
};

}  // namespace vrk::test
