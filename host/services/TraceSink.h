// File: TraceSink.h
// Where trace records go: kept in memory for a class that a test captures,
// else one line "<class name>: <record>" appended to the file named by
// VOK_TRACE_FILE (read on first use), else to stderr. Each host context has
// its own captures, count and file.
#pragma once

#include <string>
#include <vector>

namespace vok::services {

void EmitTraceRecord(const std::string& className, const std::string& record);
long TraceRecordsEmitted();

void StartTraceCapture(const std::string& className);
std::vector<std::string> TakeTraceCapture(const std::string& className);
void StopTraceCapture(const std::string& className);

// Reads VOK_TRACE_FILE again; the next record opens the file it names.
void ReadTraceFileSetting();

}  // namespace vok::services
