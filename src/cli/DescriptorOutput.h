#pragma once
// Standard output as the companion writes it: straight to a file descriptor with
// write(2), so that a write that fails (a full disk, a closed descriptor, a file-size
// limit) is seen, and the reason the system gave is kept for the message.
#include <array>
#include <streambuf>
#include <string>

namespace quorbel::cli {

class DescriptorOutput : public std::streambuf {
  public:
    explicit DescriptorOutput(int fd);
    ~DescriptorOutput() override;
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

    // Why the first write that failed did not go through, in the system's words
    // ("No space left on device"); empty while every write has.
    const std::string& Failure() const { return failure_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    // Writes out what is buffered; false (and Failure set) when the system refuses.
    bool Drain();

    int fd_;
    std::string failure_;
    std::array<char, 1 << 16> buffer_{};
};

}  // namespace quorbel::cli
