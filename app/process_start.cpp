#include "app/process_start.h"

#include "adapterinfo/windows_version.h"

namespace zlx::app {

void initialiseProcess(adapterinfo::AdapterStateContext state) {
    adapterinfo::selectAdapterAtStart(state);
    // The Windows version comes after the adapter selection at start, so the details built
    // during that selection see version code 0.
    adapterinfo::classifyAtStartUp(state.app);
}

}  // namespace zlx::app
