// File: HostContext.h
// Internal to the host library. The host's process-wide state in one
// object: the locale, the clock, the message catalogs and the armed
// allocation faults, owned directly, plus one slot per higher layer (the
// command framework's registry and destruction queue, the toolkit's message
// box responder, the services' traces). A layer makes its slot's state on
// first use; the context destroys it with itself, the command framework
// last. Lower layers never name higher ones: a slot is only a LayerState to
// this file.
//
// The host's static calls act on the current context. A process context,
// made on first use and never destroyed (commands with static storage may
// outlive every static), is current unless another one is installed; tests
// install a fresh one with ScopedHostContext.
//
// What stays process-wide: run-time class descriptors (classes keep
// pointers to them in statics), trace switches (trace objects keep a
// pointer to their class's switch), the record of allocated blocks not yet
// claimed by their object, and the live object counters.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base_runtime/HostExport.h"
#include "base_runtime/HostLocale.h"

namespace vok {

class CatalogStore;

// A fixed time, given by a test or VOK_TODAY, else the system clock.
struct HostClockState {
  std::optional<std::int64_t> fixed;
  bool environmentRead = false;
};

struct AllocationFaultState {
  long allocations = 0;
  long failAt = 0;  // 0: no Nth fault armed
  std::vector<std::string> failingClasses;
};

class VOK_HOST_API HostContext {
 public:
  // The state a layer above the base runtime keeps in a context.
  class LayerState {
   public:
    virtual ~LayerState() = default;
    // Called while the context is still current and whole, before any of
    // its state is destroyed: a chance to finish work (delayed
    // destructions) that needs the context.
    virtual void Close() {}
  };
  // One slot each, closed and destroyed from the last to the first: the
  // command framework, which the toolkit's widgets rest on, goes last.
  enum class Layer { Commands, Toolkit, Services, Count };

  // A fresh context: the locale and the clock are read from the
  // environment on first use, no catalog is loaded yet.
  HostContext();
  ~HostContext();
  HostContext(const HostContext&) = delete;
  HostContext& operator=(const HostContext&) = delete;

  // The installed context, else the process context.
  static HostContext& Current();
  // Makes context current (null: the process context again) and returns
  // the one installed before (null for the process context).
  static HostContext* Install(HostContext* context);

  // The locale, made from the environment at the first question. The
  // snapshot stays valid however the context's locale changes later.
  const std::shared_ptr<const HostLocale>& Locale();
  void ReplaceLocale(LocaleSettings settings);

  HostClockState& Clock() { return _clock; }
  CatalogStore& Catalogs();
  AllocationFaultState& AllocationFaults() { return _faults; }

  // The state of layer, made as State on first use.
  template <class State>
  State& LayerSlot(Layer layer) {
    std::unique_ptr<LayerState>& slot = _layers[static_cast<std::size_t>(layer)];
    if (!slot) slot = std::make_unique<State>();
    return static_cast<State&>(*slot);
  }
  // Closes the layers' state, the highest layer first (see LayerState).
  void CloseLayers();

 private:
  std::shared_ptr<const HostLocale> _locale;
  HostClockState _clock;
  std::unique_ptr<CatalogStore> _catalogs;
  AllocationFaultState _faults;
  std::array<std::unique_ptr<LayerState>, static_cast<std::size_t>(Layer::Count)> _layers;
};

// A fresh context, current for the scope's life; the context current
// before is current again at its end. Scopes nest; close them in reverse
// order. Objects made in the scope must be gone at its end, except those
// whose delayed destruction is pending: they are destroyed then.
class VOK_HOST_API ScopedHostContext {
 public:
  ScopedHostContext();
  ~ScopedHostContext();
  ScopedHostContext(const ScopedHostContext&) = delete;
  ScopedHostContext& operator=(const ScopedHostContext&) = delete;

  HostContext& Context() { return *_context; }

 private:
  std::unique_ptr<HostContext> _context;
  HostContext* _previous;
};

}  // namespace vok
