// File: ImmersiveUITrace.h
// Per-class trace records. Each traced class owns one trace object named
// after the class. The switch of a class is an int owned by the library:
// callers test IsOn() inline and compose a record only when it is on.
//
// Switches: VOK_TRACE lists the class names to trace, separated by commas,
// or "all". Records go to stderr, or appended to the file VOK_TRACE_FILE,
// one line each: "<class name>: <record>". Tests turn switches on and
// capture the records of a class instead of writing them.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "base_runtime/HostExport.h"

/// The trace object of one class: tests IsOn() and emits records (see the
/// file's notes on VOK_TRACE and VOK_TRACE_FILE).
class VOK_HOST_API ImmersiveUITrace {
 public:
  /// The trace object of className, its switch set from VOK_TRACE.
  explicit ImmersiveUITrace(const char* className);
  ~ImmersiveUITrace();
  ImmersiveUITrace(const ImmersiveUITrace&) = delete;
  ImmersiveUITrace& operator=(const ImmersiveUITrace&) = delete;

  /// True when this class is traced: compose a record only then.
  bool IsOn() const { return _switch != nullptr && *_switch != 0; }

  /// Emits what was written to record as one record of this class.
  void DumpNow(std::ostringstream& record);

  /// The traced class's name.
  const std::string& GetClassName() const { return _className; }

  /// Test hooks, by class name; they work whether or not the trace object of
  /// the class exists yet.
  static void SetSwitch(const std::string& className, bool on);
  /// Records of the class are kept in memory instead of written, until
  /// StopCapture.
  static void StartCapture(const std::string& className);
  /// The records captured for the class since the last call, oldest first.
  static std::vector<std::string> TakeCaptured(const std::string& className);
  /// Ends capturing: records of the class are written again.
  static void StopCapture(const std::string& className);
  /// Records emitted by all classes so far (captured or written).
  static long RecordsEmitted();
  /// Trace objects alive now.
  static int LiveTraceObjects();
  /// Reads VOK_TRACE and VOK_TRACE_FILE again, as at start-up: every switch
  /// is set from VOK_TRACE, and the next record opens the file named now.
  static void ReadEnvironment();

 private:
  std::string _className;
  int* _switch;
};
