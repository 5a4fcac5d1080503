#pragma once
// FOR TESTS ONLY: a seam in WriteFileAtomically that makes a save fail after its temporary
// file has been written in full, the moment a crash or a failed rename would hurt the most.
// Nothing in the program installs a hook; without one, saves run as usual.

#include <cerrno>
#include <functional>
#include <string>

namespace kestrow::test_seam {

/// Called with the temporary file's name once it is written, synced and closed, just before it
/// would replace the target. A nonzero result, an errno value, fails the save with that reason.
using TSaveHook = std::function<int(const std::string& tempFileName)>;

/// Installs a save hook for its lifetime; the hook before it comes back when it ends.
class TScopedSaveHook {
public:
    explicit TScopedSaveHook(TSaveHook hook);
    ~TScopedSaveHook();
    TScopedSaveHook(const TScopedSaveHook&) = delete;
    TScopedSaveHook& operator=(const TScopedSaveHook&) = delete;

private:
    TSaveHook FPrevious;
};

/// A hook that lets the next `savesToPass` saves through and fails every later one with errorCode.
TSaveHook FailSavesAfter(int savesToPass, int errorCode = EIO);

}  // namespace kestrow::test_seam
