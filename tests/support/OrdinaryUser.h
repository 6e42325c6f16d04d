#pragma once
// Runs a part of a test as an ordinary user.  Root ignores file modes, so a
// test of what a user may not write proves nothing as root: while an
// OrdinaryUser lives, a process started as root runs as nobody:nogroup
// without supplementary groups (real and effective ids, which access() and
// open() check), keeping root only as its saved id to come back at the end.
// A process that is no root already is an ordinary user and stays as it is.
#include <cstdlib>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

class OrdinaryUser {
public:
  OrdinaryUser() {
    if (geteuid() != 0)
      return;
    const passwd *nobody = getpwnam("nobody");
    const group *nogroup = getgrnam("nogroup");
    if (!nobody || !nogroup) {
      reason_ = "no user nobody or group nogroup on this machine";
      return;
    }
    groups_.resize(static_cast<std::size_t>(getgroups(0, nullptr)));
    getgroups(static_cast<int>(groups_.size()), groups_.data());
    getresgid(&realGid_, &effectiveGid_, &savedGid_);
    if (setgroups(0, nullptr) != 0 || setresgid(nogroup->gr_gid, nogroup->gr_gid, 0) != 0 ||
        setresuid(nobody->pw_uid, nobody->pw_uid, 0) != 0) {
      Restore();
      reason_ = "cannot drop root's privileges here";
      return;
    }
    dropped_ = true;
  }
  ~OrdinaryUser() {
    if (dropped_)
      Restore();
  }
  OrdinaryUser(const OrdinaryUser &) = delete;
  OrdinaryUser &operator=(const OrdinaryUser &) = delete;

  // True when the process now runs without root's privileges.
  bool Active() const { return reason_.empty(); }
  // Why it could not leave root (print it with the skip).
  const std::string &Reason() const { return reason_; }

private:
  void Restore() {
    if (setresuid(0, 0, 0) != 0 || setresgid(realGid_, effectiveGid_, savedGid_) != 0 ||
        setgroups(groups_.size(), groups_.data()) != 0)
      std::abort();
  }

  std::vector<gid_t> groups_;
  gid_t realGid_ = 0, effectiveGid_ = 0, savedGid_ = 0;
  bool dropped_ = false;
  std::string reason_;
};
