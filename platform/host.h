#pragma once
// The kernel objects of the machine the program really runs on, chosen by the build: named
// Win32 objects on Windows, their POSIX stand-ins elsewhere. Everything above platform/ names
// them only through here.
//
// An instance scope is where one set of the program's kernel objects lives, so that copies of
// the program meet only when they share it: on POSIX a folder of lock and mapping files, on
// Windows a prefix of kernel-object names. A run that must meet no other copy keeps its objects
// in its own process instead (platform/process_local_objects.h).

#ifdef _WIN32
#include "platform/win32/instance_scope.h"
#include "platform/win32/named_mutex.h"
#include "platform/win32/saved_files.h"
#include "platform/win32/single_instance.h"
#else
#include "platform/posix/instance_dir.h"
#include "platform/posix/named_mutex.h"
#include "platform/posix/private_instance_dir.h"
#include "platform/posix/saved_files.h"
#include "platform/posix/single_instance.h"
#endif

namespace zlx::platform::host {

#ifdef _WIN32
namespace native = win32;
using NativeSingleInstance = win32::Win32SingleInstance;
using NativeNamedMutexes = win32::Win32NamedMutexes;
using NativeSavedFiles = win32::Win32SavedFiles;
using PrivateInstanceScope = win32::PrivateInstanceScope;
inline std::string sharedInstanceScope() {
    return win32::sharedInstanceScope();
}
#else
namespace native = posix;
using NativeSingleInstance = posix::PosixSingleInstance;
using NativeNamedMutexes = posix::PosixNamedMutexes;
using NativeSavedFiles = posix::PosixSavedFiles;
using PrivateInstanceScope = posix::PrivateInstanceDirectory;
inline std::string sharedInstanceScope() {
    return posix::instanceDirectory();
}
#endif

// The scope cannot be used: the program refuses to start rather than share its objects with,
// or lose them to, another user.
using InstanceError = native::InstanceError;
// The name every copy of the program gives its single-instance mutex.
inline constexpr const char* kInstanceMutexName = native::kInstanceMutexName;
// This process's identifier.
inline std::uint32_t currentProcessId() {
    return native::currentProcessId();
}

}  // namespace zlx::platform::host
