// Tests of the per-class trace switches and records.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/BaseRuntimeFixture.h"
#include "services/ImmersiveUITrace.h"

namespace {

using Records = std::vector<std::string>;

class ServicesTraceTest : public BaseRuntimeFixture {
 protected:
  void SetUp() override {
    BaseRuntimeFixture::SetUp();
    SetEnv("VOK_TRACE", nullptr);
    SetEnv("VOK_TRACE_FILE", nullptr);
    ImmersiveUITrace::ReadEnvironment();
    ImmersiveUITrace::SetSwitch("TraceTestA", true);
  }

  void TearDown() override {
    ImmersiveUITrace::StopCapture("TraceTestA");
    std::filesystem::remove(_file);
    BaseRuntimeFixture::TearDown();
    ImmersiveUITrace::ReadEnvironment();  // every switch back as the environment says
  }

  // Composes a record only while the switch is on, as traced code does.
  static void Trace(ImmersiveUITrace& trace, const std::string& text) {
    if (!trace.IsOn()) return;
    std::ostringstream record;
    record << text;
    trace.DumpNow(record);
  }

  std::string TraceToFile(const std::string& path) {
    SetEnv("VOK_TRACE_FILE", path.c_str());
    ImmersiveUITrace::ReadEnvironment();
    ImmersiveUITrace::SetSwitch("TraceTestA", true);
    testing::internal::CaptureStderr();
    Trace(a, "first");
    Trace(a, "Calendar New UID: Calendar1");
    return testing::internal::GetCapturedStderr();
  }

  ImmersiveUITrace a{"TraceTestA"};
  const std::filesystem::path _file = std::filesystem::temp_directory_path() /
                                      ("services_trace_test_" + std::to_string(getpid()) + ".log");
};

TEST_F(ServicesTraceTest, CapturedRecordsAreExactlyWhatWasStreamed) {
  ImmersiveUITrace::StartCapture("TraceTestA");
  const long before = ImmersiveUITrace::RecordsEmitted();
  std::ostringstream record;
  record << "Year \"" << 1969 << "\" falls outside of thresholds (" << 1970 << "-" << 2038 << ").";
  a.DumpNow(record);
  Trace(a, "  two  blanks  ");
  ImmersiveUITrace::SetSwitch("TraceTestA", false);
  Trace(a, "not composed");

  EXPECT_EQ(2, ImmersiveUITrace::RecordsEmitted() - before);
  EXPECT_EQ((Records{"Year \"1969\" falls outside of thresholds (1970-2038).", "  two  blanks  "}),
            ImmersiveUITrace::TakeCaptured("TraceTestA"));
  EXPECT_EQ(Records{}, ImmersiveUITrace::TakeCaptured("TraceTestA"));

  ImmersiveUITrace::SetSwitch("TraceTestA", true);
  ImmersiveUITrace::StopCapture("TraceTestA");
  testing::internal::CaptureStderr();
  Trace(a, "written");
  EXPECT_EQ("TraceTestA: written\n", testing::internal::GetCapturedStderr());
}

TEST_F(ServicesTraceTest, TheEnvironmentNamesTheClassesToTraceOrAll) {
  SetEnv("VOK_TRACE", " TraceTestB ,\tTraceTestA,, ");
  ImmersiveUITrace::ReadEnvironment();
  EXPECT_TRUE(a.IsOn());
  EXPECT_TRUE(ImmersiveUITrace("TraceTestB").IsOn());
  EXPECT_FALSE(ImmersiveUITrace("TraceTestC").IsOn());

  SetEnv("VOK_TRACE", "TraceTestAB");
  ImmersiveUITrace::ReadEnvironment();
  EXPECT_FALSE(a.IsOn());

  SetEnv("VOK_TRACE", "all");
  ImmersiveUITrace::ReadEnvironment();
  const int before = ImmersiveUITrace::LiveTraceObjects();
  {
    ImmersiveUITrace d("TraceTestD");  // switches hold for classes without objects
    EXPECT_TRUE(d.IsOn());
    EXPECT_EQ(before + 1, ImmersiveUITrace::LiveTraceObjects());
  }
  EXPECT_EQ(before, ImmersiveUITrace::LiveTraceObjects());
}

TEST_F(ServicesTraceTest, RecordsGoToTheTraceFileOrWithAMessageToStderr) {
  std::ofstream(_file) << "earlier line\n";
  EXPECT_EQ("", TraceToFile(_file.string()));
  std::ifstream in(_file, std::ios::binary);
  EXPECT_EQ("earlier line\nTraceTestA: first\nTraceTestA: Calendar New UID: Calendar1\n",
            std::string(std::istreambuf_iterator<char>(in), {}));

  const std::string path = (_file / "trace.log").string();  // unopenable
  const std::string output = TraceToFile(path);
  const std::size_t message = output.find("cannot open the trace file \"" + path + "\"");
  ASSERT_NE(std::string::npos, message) << output;
  EXPECT_EQ(std::string::npos, output.find("cannot open", message + 1)) << output;
  EXPECT_NE(std::string::npos,
            output.find("TraceTestA: first\nTraceTestA: Calendar New UID: Calendar1\n"));
}

}  // namespace
