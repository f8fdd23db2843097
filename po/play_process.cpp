#include "po/play_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> gStopped{false};

/// How often a command under way looks whether it is to stop.
const int kStopCheckMs = 200;

/// How long the output must stay quiet after a prompt before a command is
/// given: an interpreter flushes its prompt and then reads.
const int kPromptQuietMs = 15;

bool endsAtPrompt(const QByteArray& output) { return output == ">" || output.endsWith("\n>"); }

/// Feeds the commands of a replay through `input` as the output asks for them.
class Feeder {
 public:
  Feeder(const QStringList& commands, int input) : commands_(commands), input_(input) {}

  /// True when a command or line break waits for quiet output.
  bool waitingForQuiet() const { return input_ >= 0 && endsAtPrompt(tail_); }

  /// Takes in what the program printed, answering a "[More]" at once.
  void printed(const QByteArray& bytes) {
    if (input_ < 0) return;
    tail_ = (tail_ + bytes).right(16);
    if (tail_.endsWith("[More]")) {
      send("\n");
      tail_.clear();
    }
  }

  /// The output stayed quiet at a prompt: gives the next command (shown in
  /// `output`) or ends the input.
  void quiet(QByteArray& output) {
    tail_.clear();
    if (next_ >= commands_.size()) {
      ::close(input_);
      input_ = -1;
      return;
    }
    const QByteArray command = commands_[next_++].toUtf8();
    output += command + '\n';
    send(command + '\n');
  }

  void close() {
    if (input_ >= 0) ::close(input_);
    input_ = -1;
  }

 private:
  void send(const QByteArray& bytes) {
    // A program that stopped reading ends the replay, not this tool.
    if (input_ >= 0 && ::write(input_, bytes.constData(), size_t(bytes.size())) < 0) close();
  }

  QStringList commands_;
  int input_;
  int next_ = 0;
  QByteArray tail_;
};

void setCloseOnExec(int fd) { ::fcntl(fd, F_SETFD, FD_CLOEXEC); }

}  // namespace

ShellResult runShell(const QString& command, const QString& folder, int timeoutSeconds,
                     const QStringList& commands) {
  ShellResult result;
  // A program that stops reading its input must not end this one.
  ::signal(SIGPIPE, SIG_IGN);
  const auto begin = Clock::now();
  const QByteArray commandBytes = command.toLocal8Bit();
  const QByteArray folderBytes = QFile::encodeName(folder);
  const bool feeding = !commands.isEmpty();
  int out[2], err[2], in[2] = {-1, -1};
  if (::pipe(out) != 0) return result;
  if (::pipe(err) != 0 || (feeding && ::pipe(in) != 0)) {
    ::close(out[0]);
    ::close(out[1]);
    return result;
  }
  for (int fd : {out[0], err[0], in[1]}) {
    if (fd >= 0) setCloseOnExec(fd);
  }
  // Nothing in the child may allocate: another thread may hold a lock.
  const char* argv[] = {"/bin/sh", "-c", commandBytes.constData(), nullptr};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setpgid(0, 0);
    ::signal(SIGPIPE, SIG_DFL);
    const int input = feeding ? in[0] : ::open("/dev/null", O_RDONLY);
    if (::chdir(folderBytes.constData()) != 0 || input < 0) ::_exit(127);
    ::dup2(input, 0);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    ::execv("/bin/sh", const_cast<char* const*>(argv));
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);
  if (feeding) ::close(in[0]);
  if (pid < 0) {
    ::close(out[0]);
    ::close(err[0]);
    if (feeding) ::close(in[1]);
    return result;
  }
  ::setpgid(pid, pid);
  result.started = true;
  Feeder feeder(commands, feeding ? in[1] : -1);
  const auto deadline = begin + std::chrono::seconds(timeoutSeconds);
  int open = 2;
  int fds[2] = {out[0], err[0]};
  while (open > 0) {
    const auto now = Clock::now();
    if (now >= deadline || gStopped) {
      result.timedOut = true;
      ::kill(-pid, SIGKILL);
      break;
    }
    int wait = int(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count());
    wait = std::min(wait, feeder.waitingForQuiet() ? kPromptQuietMs : kStopCheckMs);
    pollfd polled[2];
    int count = 0;
    for (int fd : fds) {
      if (fd >= 0) polled[count++] = {fd, POLLIN, 0};
    }
    const int ready = ::poll(polled, nfds_t(count), std::max(wait, 1));
    if (ready < 0) continue;  // interrupted: try again
    if (ready == 0) {
      if (feeder.waitingForQuiet()) feeder.quiet(result.output);
      continue;
    }
    for (int i = 0; i < count; ++i) {
      if (!(polled[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[65536];
      const ssize_t got = ::read(polled[i].fd, buffer, sizeof buffer);
      const bool isOutput = polled[i].fd == out[0];
      if (got <= 0) {
        ::close(polled[i].fd);
        (isOutput ? fds[0] : fds[1]) = -1;
        --open;
        continue;
      }
      QByteArray& into = isOutput ? result.output : result.errors;
      into.append(buffer, int(got));
      if (isOutput) feeder.printed(QByteArray(buffer, int(got)));
    }
  }
  for (int fd : fds) {
    if (fd >= 0) ::close(fd);
  }
  feeder.close();
  // Waits for the shell to end without reaping it, so that its process group
  // cannot be taken by another program before what it left running is killed.
  for (;;) {
    siginfo_t info{};
    const int waited = ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT);
    if (waited == 0 && info.si_pid == pid) break;
    if (waited < 0 && errno != EINTR) break;
    if ((Clock::now() >= deadline || gStopped) && !result.timedOut) {
      result.timedOut = true;
      ::kill(-pid, SIGKILL);
    }
    ::usleep(2000);
  }
  ::kill(-pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
  return result;
}

void stopShells() { gStopped = true; }

bool shellsStopped() { return gStopped; }
