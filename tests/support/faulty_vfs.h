// A SQLite file system that wraps the default one and makes one chosen write fail, as a disk
// that reports an I/O error or runs full would: the tests count a whole operation's writes and
// then fail each of them in turn.
#pragma once

namespace ivorn::testing {

class faulty_vfs {
public:
    enum class fault { io_error, disk_full };

    // Registered as the default file system for the object's lifetime: every database opened
    // meanwhile goes through it.
    faulty_vfs();
    faulty_vfs(const faulty_vfs&) = delete;
    faulty_vfs& operator=(const faulty_vfs&) = delete;
    ~faulty_vfs();

    // Counting from now, the Nth write (1-based) fails with `kind`: an I/O error fails that one
    // write, a full disk that one and every later one. 0 fails none.
    void fail_write(long long n, fault kind);
    long long writes() const;
    bool fired() const;
};

} // namespace ivorn::testing
