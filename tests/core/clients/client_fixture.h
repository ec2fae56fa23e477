// Test support for the client logic: a period folder, quick adds and deletes, file readers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/clients/add_client.h"
#include "core/clients/delete_client.h"
#include "core/store/binary_codec.h"
#include "support/temp_folder.h"

namespace vrk::clients {

inline constexpr const char* kUntouchedAmount = "$__,___,___.__";

inline ClientFields newClient(const std::string& code, const std::string& group = "A") {
  ClientFields fields;
  fields.code = code;
  fields.group = group;
  fields.lastStatement = {2001, 6, 30};
  fields.amounts.fill(kUntouchedAmount);
  return fields;
}

class ClientFolderTest : public ::testing::Test {
 protected:
  const std::filesystem::path& dir() const { return dir_; }

  dialog::Outcome add(const ClientFields& fields) { return AddClient(dir()).save(fields); }
  void add(const std::string& code, const std::string& group = "A") {
    ASSERT_EQ(add(newClient(code, group)).closing, dialog::Closing::Ok) << code;
  }
  dialog::Outcome remove(const std::string& code, bool matterToo = false) {
    DeleteClient logic(dir());
    logic.display(code);
    dialog::FixedPrompter prompter(matterToo);
    return logic.remove(code, prompter);
  }
  std::string file(const std::string& name) const { return test::readFile(dir() / name); }
  bool exists(const std::string& name) const { return std::filesystem::exists(dir() / name); }
  std::vector<std::int32_t> ints(const std::string& name) const {
    const std::string bytes = file(name);
    return store::decodeInt32s(bytes, bytes.size() / 4);
  }

  test::TempFolder folder;
  std::filesystem::path dir_ = folder.path();
};

// The sample office's 07/2001 folder: clients ACME, BETA1 (group A) and ZED (group B).
class SampleOfficeTest : public ClientFolderTest {
 protected:
  SampleOfficeTest() { dir_ = test::copySampleOffice(folder.path()); }
};

}  // namespace vrk::clients
