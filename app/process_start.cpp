#include "app/process_start.h"

#include "adapterinfo/windows_version.h"

namespace zlx::app {

void initialiseProcess(context::AppContext& ctx) {
    // The Windows version comes after the adapter selection at start, so the details built
    // during that selection see version code 0.
    adapterinfo::classifyAtStartUp(ctx);
}

}  // namespace zlx::app
