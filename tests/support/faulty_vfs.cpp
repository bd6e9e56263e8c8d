// The failing-write file system: a copy of the default VFS whose files forward every method to
// the real file, except the write that is to fail.
#include "support/faulty_vfs.h"

#include <sqlite3.h>

#include <cstddef>

namespace ivorn::testing {
namespace {

struct state {
    sqlite3_vfs vfs{};
    sqlite3_vfs* real = nullptr;
    sqlite3_io_methods methods{};
    long long writes = 0;
    long long fail_at = 0;
    int fault_code = SQLITE_IOERR_WRITE;
    bool fired = false;
};
state the_state;

struct wrapped_file {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* real(sqlite3_file* file) { return reinterpret_cast<wrapped_file*>(file)->real; }

int wrapped_close(sqlite3_file* file)
{
    const int result = real(file)->pMethods ? real(file)->pMethods->xClose(real(file)) : SQLITE_OK;
    file->pMethods = nullptr;
    return result;
}
int wrapped_read(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset)
{
    return real(f)->pMethods->xRead(real(f), buffer, amount, offset);
}
int wrapped_write(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset)
{
    ++the_state.writes;
    const bool sticky = the_state.fault_code == SQLITE_FULL;
    if (the_state.fail_at > 0 && (the_state.writes == the_state.fail_at || (sticky && the_state.writes > the_state.fail_at))) {
        the_state.fired = true;
        return the_state.fault_code;
    }
    return real(f)->pMethods->xWrite(real(f), buffer, amount, offset);
}
int wrapped_truncate(sqlite3_file* f, sqlite3_int64 size) { return real(f)->pMethods->xTruncate(real(f), size); }
int wrapped_sync(sqlite3_file* f, int flags) { return real(f)->pMethods->xSync(real(f), flags); }
int wrapped_file_size(sqlite3_file* f, sqlite3_int64* size) { return real(f)->pMethods->xFileSize(real(f), size); }
int wrapped_lock(sqlite3_file* f, int level) { return real(f)->pMethods->xLock(real(f), level); }
int wrapped_unlock(sqlite3_file* f, int level) { return real(f)->pMethods->xUnlock(real(f), level); }
int wrapped_check_lock(sqlite3_file* f, int* out) { return real(f)->pMethods->xCheckReservedLock(real(f), out); }
int wrapped_control(sqlite3_file* f, int op, void* arg) { return real(f)->pMethods->xFileControl(real(f), op, arg); }
int wrapped_sector(sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); }
int wrapped_characteristics(sqlite3_file* f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); }
int wrapped_shm_map(sqlite3_file* f, int region, int size, int extend, void volatile** out)
{
    return real(f)->pMethods->xShmMap(real(f), region, size, extend, out);
}
int wrapped_shm_lock(sqlite3_file* f, int offset, int n, int flags)
{
    return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
}
void wrapped_shm_barrier(sqlite3_file* f) { real(f)->pMethods->xShmBarrier(real(f)); }
int wrapped_shm_unmap(sqlite3_file* f, int remove) { return real(f)->pMethods->xShmUnmap(real(f), remove); }

int wrapped_open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* out_flags)
{
    auto* wrapped = reinterpret_cast<wrapped_file*>(file);
    wrapped->real = reinterpret_cast<sqlite3_file*>(wrapped + 1);
    wrapped->base.pMethods = nullptr;
    const int result = the_state.real->xOpen(the_state.real, name, wrapped->real, flags, out_flags);
    if (wrapped->real->pMethods) {
        // Version 2 methods: no memory-mapped reads, every page comes through the wrapped read.
        wrapped->base.pMethods = &the_state.methods;
    }
    return result;
}

sqlite3_io_methods make_methods()
{
    sqlite3_io_methods m{};
    m.iVersion = 2;
    m.xClose = wrapped_close;
    m.xRead = wrapped_read;
    m.xWrite = wrapped_write;
    m.xTruncate = wrapped_truncate;
    m.xSync = wrapped_sync;
    m.xFileSize = wrapped_file_size;
    m.xLock = wrapped_lock;
    m.xUnlock = wrapped_unlock;
    m.xCheckReservedLock = wrapped_check_lock;
    m.xFileControl = wrapped_control;
    m.xSectorSize = wrapped_sector;
    m.xDeviceCharacteristics = wrapped_characteristics;
    m.xShmMap = wrapped_shm_map;
    m.xShmLock = wrapped_shm_lock;
    m.xShmBarrier = wrapped_shm_barrier;
    m.xShmUnmap = wrapped_shm_unmap;
    return m;
}

} // namespace

faulty_vfs::faulty_vfs()
{
    the_state = state{};
    the_state.real = sqlite3_vfs_find(nullptr);
    the_state.vfs = *the_state.real;
    the_state.vfs.zName = "ivorn_faulty";
    the_state.vfs.pNext = nullptr;
    the_state.vfs.szOsFile = static_cast<int>(sizeof(wrapped_file)) + the_state.real->szOsFile;
    the_state.vfs.xOpen = wrapped_open;
    the_state.methods = make_methods();
    sqlite3_vfs_register(&the_state.vfs, 1);
}

faulty_vfs::~faulty_vfs()
{
    sqlite3_vfs_unregister(&the_state.vfs);
    sqlite3_vfs_register(the_state.real, 1);
}

void faulty_vfs::fail_write(long long n, fault kind)
{
    the_state.writes = 0;
    the_state.fired = false;
    the_state.fail_at = n;
    the_state.fault_code = kind == fault::disk_full ? SQLITE_FULL : SQLITE_IOERR_WRITE;
}

long long faulty_vfs::writes() const { return the_state.writes; }
bool faulty_vfs::fired() const { return the_state.fired; }

} // namespace ivorn::testing
