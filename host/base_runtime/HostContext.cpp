// File: HostContext.cpp
#include "base_runtime/HostContext.h"

#include <atomic>

#include "base_runtime/CatalogStore.h"

namespace vok {
namespace {

// One current context for the whole process, not one per thread: the web
// front end serves on threads of its own while the session runs on the
// program's, and both must see the context the program installed. The
// atomic makes an installation visible to every thread that reads it
// afterwards; installing is for start-up and tests, not for switching
// while sessions run.
std::atomic<HostContext*> installed{nullptr};

HostContext& ProcessContext() {
  static auto* context = new HostContext;
  return *context;
}

}  // namespace

HostContext::HostContext() : _catalogs(std::make_unique<CatalogStore>()) {}

HostContext::~HostContext() {
  // The highest layer goes first: its state may use the lower ones'.
  for (std::size_t layer = _layers.size(); layer-- > 0;) _layers[layer].reset();
}

CatalogStore& HostContext::Catalogs() { return *_catalogs; }

HostContext& HostContext::Current() {
  HostContext* context = installed.load(std::memory_order_acquire);
  return context != nullptr ? *context : ProcessContext();
}

HostContext* HostContext::Install(HostContext* context) {
  return installed.exchange(context, std::memory_order_acq_rel);
}

const std::shared_ptr<const HostLocale>& HostContext::Locale() {
  if (!_locale) ReplaceLocale(SettingsFromEnvironment());
  return _locale;
}

void HostContext::ReplaceLocale(LocaleSettings settings) {
  _locale = std::make_shared<const HostLocale>(MakeHostLocale(std::move(settings)));
}

void HostContext::CloseLayers() {
  for (std::size_t layer = _layers.size(); layer-- > 0;) {
    if (_layers[layer]) _layers[layer]->Close();
  }
}

ScopedHostContext::ScopedHostContext()
    : _context(std::make_unique<HostContext>()), _previous(HostContext::Install(_context.get())) {}

ScopedHostContext::~ScopedHostContext() {
  _context->CloseLayers();
  HostContext::Install(_previous);
  _context.reset();
}

}  // namespace vok
