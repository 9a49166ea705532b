// measure: runs one command and prints its wall time, peak resident memory, exit code and CPU time
// on one line ("<seconds> <max-rss-KiB> <exit-code> <cpu-seconds>"), the memory and the CPU time
// (user and system) taken from wait4's rusage of the child.
// The command's own output is passed through; measure's exit code is the command's.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  int first = 1;
  if (first < argc && std::strcmp(argv[first], "--") == 0) ++first;
  if (first >= argc) {
    std::fprintf(stderr, "usage: measure [--] COMMAND [ARGS...]\n");
    return 2;
  }
  std::vector<char*> args(argv + first, argv + argc);
  args.push_back(nullptr);
  auto start = std::chrono::steady_clock::now();
  pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    return 2;
  }
  if (child == 0) {
    execvp(args[0], args.data());
    std::perror(args[0]);
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  if (wait4(child, &status, 0, &usage) < 0) {
    std::perror("wait4");
    return 2;
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  auto to_seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  const double cpu = to_seconds(usage.ru_utime) + to_seconds(usage.ru_stime);
  std::printf("%.3f %ld %d %.3f\n", seconds, usage.ru_maxrss, code, cpu);
  return code;
}
