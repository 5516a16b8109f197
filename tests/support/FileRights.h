#pragma once
// File permissions that bind a test as they bind an ordinary user, even when the tests run as root.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zorvy::test {

// While the object lives, the calling thread lacks the capabilities that let root read and write
// past a file's permissions (they stay permitted, and come back when the object goes). Outside root
// it changes nothing: an ordinary user's permissions bind already.
class OrdinaryFileRights {
  public:
    OrdinaryFileRights() {
        if (syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            reduced[capability / 32].effective &= ~(1u << (capability % 32));
        dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~OrdinaryFileRights() {
        if (dropped_) syscall(SYS_capset, &header_, saved_);
    }
    OrdinaryFileRights(const OrdinaryFileRights&) = delete;
    OrdinaryFileRights& operator=(const OrdinaryFileRights&) = delete;

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

} // namespace zorvy::test
