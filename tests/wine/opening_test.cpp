// Opening on its own thread, under Wine: the path as the system resolves it
// is the one judged, checked and named; a file that runs code is shown in
// its folder; what nothing can open is told with the system's words.
#include "platform/win32/opening.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/paths.h"
#include "platform/win32/text.h"

namespace wendora::win32 {
namespace {

using Status = platform::OpenOutcome::Status;

// A folder of the test's own, with a file in it.
class OpeningTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(::GetTempPathW(MAX_PATH, temp), 0u);
    folder_ = std::wstring(temp) + L"wendora-opening-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::wstring& file : made_) {
      ::DeleteFileW(file.c_str());
    }
    ::RemoveDirectoryW(folder_.c_str());
  }
  std::wstring Make(const std::wstring& name) {
    const std::wstring path = folder_ + L"\\" + name;
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(file);
    made_.push_back(path);
    return path;
  }
  // Opens and waits for the outcome; the paths the judgement was asked for.
  platform::OpenOutcome Open(platform::OpenRequest::Kind kind, const std::wstring& target,
                             std::vector<std::string>* judged = nullptr) {
    platform::OpenRequest request;
    request.kind = kind;
    request.target = Narrow(target);
    request.runs_code = [judged](std::string_view path) {
      if (judged != nullptr) {
        judged->emplace_back(path);
      }
      return path.size() >= 4 && path.substr(path.size() - 4) == ".exe";
    };
    Win32Opening opening(std::move(request));
    for (int waited = 0; waited < 300; ++waited) {
      if (const auto outcome = opening.Outcome()) {
        return *outcome;
      }
      ::Sleep(50);
    }
    ADD_FAILURE() << "the opening did not end";
    return {};
  }

  std::wstring folder_;
  std::vector<std::wstring> made_;
};

TEST_F(OpeningTest, ThePathIsResolvedAsTheSystemResolvesIt) {
  const std::wstring note = Make(L"note.txt");
  EXPECT_EQ(ResolvedPath(folder_ + L"\\sub\\..\\note.txt"), note);
  EXPECT_EQ(ResolvedPath(folder_ + L"\\.\\note.txt. . "), note);
  EXPECT_EQ(ResolvedPath(note + L"\\."), note);
}

TEST_F(OpeningTest, AProgramBehindADotIsShownInItsFolder) {
  const std::wstring program = Make(L"setup.exe");
  std::vector<std::string> judged;
  const platform::OpenOutcome outcome =
      Open(platform::OpenRequest::Kind::kPath, program + L"\\.", &judged);
  EXPECT_EQ(outcome.status, Status::kShownInFolder);
  EXPECT_EQ(outcome.path, Narrow(program));
  EXPECT_EQ(judged, std::vector<std::string>{Narrow(program)});
}

TEST_F(OpeningTest, AMissingPathIsToldAsMissing) {
  const platform::OpenOutcome outcome =
      Open(platform::OpenRequest::Kind::kPath, folder_ + L"\\gone\\..\\nothing.txt");
  EXPECT_EQ(outcome.status, Status::kMissing);
  EXPECT_EQ(outcome.path, Narrow(folder_ + L"\\nothing.txt"));
}

TEST_F(OpeningTest, WhatNothingCanOpenIsToldWithTheSystemsWords) {
  const std::wstring data = Make(L"data.wendoratest");
  const platform::OpenOutcome file = Open(platform::OpenRequest::Kind::kPath, data);
  EXPECT_EQ(file.status, Status::kFailed);
  EXPECT_EQ(file.path, Narrow(data));
  EXPECT_FALSE(file.message.empty());
  const platform::OpenOutcome address =
      Open(platform::OpenRequest::Kind::kAddress, L"wendoratest-no-such-scheme:x");
  EXPECT_EQ(address.status, Status::kFailed);
  EXPECT_FALSE(address.message.empty());
}

}  // namespace
}  // namespace wendora::win32
