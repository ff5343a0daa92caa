#pragma once

// A speech-dispatcher for tests: it answers the SSIP commands a client
// sends over a Unix socket as the real service would, speaks nothing, and
// records each message it was asked to say. Point SPEECHD_ADDRESS at
// Address().
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace dru::testing {

class SsipServer {
 public:
  explicit SsipServer(std::string path) : path_(std::move(path)) {
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path_.copy(address.sun_path, sizeof address.sun_path - 1);
    unlink(path_.c_str());
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 4);
    thread_ = std::thread([this] { Serve(); });
  }
  ~SsipServer() {
    stopping_ = true;
    shutdown(listener_, SHUT_RDWR);
    close(listener_);
    thread_.join();
    {
      const std::lock_guard lock(mutex_);
      for (const int client : clients_)
        shutdown(client, SHUT_RDWR);  // clients still connected
    }
    for (std::thread& talk : talks_)
      talk.join();
    unlink(path_.c_str());
  }
  std::string Address() const { return "unix_socket:" + path_; }
  // Each message said so far.
  std::vector<std::string> Said() {
    const std::lock_guard lock(mutex_);
    return said_;
  }
  // Each command line received so far.
  std::vector<std::string> Commands() {
    const std::lock_guard lock(mutex_);
    return commands_;
  }

 private:
  void Serve() {
    while (!stopping_) {
      const int client = accept(listener_, nullptr, nullptr);
      if (client < 0) return;
      // Each client on a thread of its own, as the service serves many.
      const std::lock_guard lock(mutex_);
      clients_.push_back(client);
      talks_.emplace_back([this, client] {
        Talk(client);
        const std::lock_guard done(mutex_);
        std::erase(clients_, client);
        close(client);
      });
    }
  }
  // One client at a time, line by line, as SSIP has it.
  void Talk(int client) {
    std::string buffer;
    std::string message;
    bool receiving = false;
    char chunk[4096];
    for (ssize_t got; (got = read(client, chunk, sizeof chunk)) > 0;) {
      buffer.append(chunk, static_cast<std::size_t>(got));
      for (std::size_t end; (end = buffer.find("\r\n")) != std::string::npos;) {
        const std::string line = buffer.substr(0, end);
        buffer.erase(0, end + 2);
        if (receiving) {
          if (line == ".") {
            receiving = false;
            {
              const std::lock_guard lock(mutex_);
              said_.push_back(message);
            }
            message.clear();
            Reply(client, "225-1\r\n225 OK MESSAGE QUEUED\r\n");
          } else {
            message += (message.empty() ? "" : "\n") + line;
          }
          continue;
        }
        {
          const std::lock_guard lock(mutex_);
          commands_.push_back(line);
        }
        std::string command = line;
        for (char& c : command)
          c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (command.rfind("SPEAK", 0) == 0) {
          receiving = true;
          Reply(client, "230 OK RECEIVING DATA\r\n");
        } else if (command.rfind("LIST OUTPUT_MODULES", 0) == 0) {
          Reply(client, "250-espeak-ng\r\n250 OK MODULE LIST SENT\r\n");
        } else if (command.rfind("LIST SYNTHESIS_VOICES", 0) == 0) {
          Reply(client,
                "249-English\ten\tnone\r\n249-German\tde\tnone\r\n249 OK VOICE LIST SENT\r\n");
        } else if (command.rfind("GET OUTPUT_MODULE", 0) == 0) {
          Reply(client, "251-espeak-ng\r\n251 OK GET RETURNED\r\n");
        } else if (command.rfind("GET", 0) == 0) {
          Reply(client, "251-0\r\n251 OK GET RETURNED\r\n");
        } else if (command.rfind("QUIT", 0) == 0) {
          Reply(client, "231 HAPPY HACKING\r\n");
          return;
        } else {
          Reply(client, "200 OK\r\n");
        }
      }
    }
  }
  static void Reply(int client, const std::string& text) {
    (void)!write(client, text.data(), text.size());
  }

  std::string path_;
  int listener_ = -1;
  std::vector<int> clients_;
  std::vector<std::thread> talks_;
  std::atomic<bool> stopping_ = false;
  std::thread thread_;
  std::mutex mutex_;
  std::vector<std::string> said_;
  std::vector<std::string> commands_;
};

}  // namespace dru::testing
