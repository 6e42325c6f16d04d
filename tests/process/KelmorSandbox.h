#pragma once
// A private copy of Kelmor and Velto (their settings files live beside them)
// in a fresh folder, and unattended runs of Kelmor there: offscreen, message
// boxes logged to messages.log, temporary files in tmp/; as root also as an
// ordinary user.  Also runs of run.sh there on that copy.
#include "tests/support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

struct KelmorSandbox : TempFolder {
  KelmorSandbox() {
    std::filesystem::create_directory(File("tmp"));
    for (const char *program : {"Kelmor", "Velto"})
      std::filesystem::copy_file(std::string(KELMOR_BIN_DIR "/") + program, File(program));
  }
  std::string Log() const { return Load(File("messages.log")); }

  // Runs Kelmor on the batch file, in the folder, and returns its exit code;
  // -1 when it was still running once `until` had been logged (its run was
  // over and it waited for a user) or after a minute: it is then killed.
  // With ordinaryUser a root test runs it as nobody:nogroup (the sandbox is
  // then open to everybody); other users run it as themselves.
  int Run(const std::string &batch, const std::string &until = "",
          bool ordinaryUser = false) const {
    std::vector<std::string> arguments{File("Kelmor"), batch};
    if (ordinaryUser && geteuid() == 0) {
      for (const char *folder : {"", "tmp"})
        std::filesystem::permissions(File(folder), std::filesystem::perms::all);
      arguments.insert(arguments.begin(),
                       {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"});
    }
    return Spawn(arguments,
                 {"QT_QPA_PLATFORM=offscreen", "KELMOR_MESSAGE_LOG=" + File("messages.log")},
                 until);
  }

  // Runs a copy of the repository's run.sh (and scripts/setup.sh) in the
  // folder, so that its own folder is the sandbox, on the sandbox's Kelmor
  // (KELMOR_BINARY: nothing is built) and without a display; its output goes
  // to run.out.  Returns its exit code as Run does.
  int RunScript(std::vector<std::string> arguments) const {
    std::filesystem::create_directories(File("scripts"));
    for (const char *script : {"run.sh", "scripts/setup.sh"})
      std::filesystem::copy_file(std::string(KELMOR_SOURCE_DIR "/") + script, File(script),
                                 std::filesystem::copy_options::overwrite_existing);
    arguments.insert(arguments.begin(), {"/bin/bash", File("run.sh")});
    const char *path = std::getenv("PATH");
    return Spawn(arguments,
                 {"KELMOR_BINARY=" + File("Kelmor"), std::string("PATH=") + (path ? path : "")}, "",
                 File("run.out"));
  }

private:
  // Runs arguments in the folder with the sandbox's temporary folder, home
  // and runtime folder and the given variables, nothing else; output, when
  // named, receives what it writes to its standard output.
  int Spawn(std::vector<std::string> arguments, std::vector<std::string> environment,
            const std::string &until, const std::string &output = "") const {
    environment.insert(environment.end(), {"TMPDIR=" + File("tmp"), "XDG_RUNTIME_DIR=" + File(""),
                                           "HOME=" + File("")});
    std::vector<char *> argv, envp;
    for (std::string &argument : arguments)
      argv.push_back(argument.data());
    for (std::string &variable : environment)
      envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, File("").c_str());
    if (!output.empty())
      posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                       0600);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
      return -2;
    int status = 0;
    for (int tick = 0; waitpid(pid, &status, WNOHANG) == 0; ++tick) {
      if (tick > 3000 || (!until.empty() && Log().find(until) != std::string::npos)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
  }
};
