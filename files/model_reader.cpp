#include "model_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "file_error.h"
#include "unique_fd.h"

namespace files {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfData = '\x1a';

}  // namespace

bool ModelTextReader::Feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (ended_) break;
    if (c == kLineFeed && afterCarriageReturn_) {
      afterCarriageReturn_ = false;
      continue;
    }
    afterCarriageReturn_ = false;
    if (c == kCarriageReturn) {
      EndLine();
      afterCarriageReturn_ = true;
    } else if (c == kEndOfData) {
      EndLine();
      ended_ = true;
    } else {
      line_.Put(c);
    }
  }
  return !ended_;
}

void ModelTextReader::EndLine() {
  if (lineIndex_ >= calc::kModelFieldCount) return;
  const double value = line_.Finish();
  calc::ModelField(values_, lineIndex_) = value;
  line_ = calc::NumberScanner();
  ++lineIndex_;
  if (lineIndex_ == calc::kModelFieldCount) ended_ = true;
}

calc::TModelData ModelTextReader::Finish() {
  // The last line need not end with a carriage return; the lines after it
  // are missing and keep their 0.
  if (!ended_) {
    EndLine();
    ended_ = true;
  }
  return values_;
}

calc::TModelData ParseModelText(std::string_view bytes) {
  ModelTextReader reader;
  reader.Feed(bytes);
  return reader.Finish();
}

calc::TModelData ReadModelStream(int fd) {
  ModelTextReader reader;
  std::vector<char> chunk(kReadChunkSize);
  for (;;) {
    const ssize_t count = ::read(fd, chunk.data(), chunk.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      throw FileErrorFromErrno(errno, FileOperation::Read);
    }
    if (count == 0) break;
    if (!reader.Feed(std::string_view(chunk.data(), static_cast<std::size_t>(count)))) break;
  }
  return reader.Finish();
}

calc::TModelData ReadModelFile(const std::string& path) {
  // Non-blocking, so that a named pipe picked by mistake never hangs the
  // window: without a writer it reads as an empty file. Regular files ignore
  // the flag.
  UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!file.Valid()) throw FileErrorFromErrno(errno, FileOperation::Open);
  // Linux opens a folder or a device for reading; neither is a model file it
  // could open (a device such as /dev/zero would be read for ever).
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) throw FileErrorFromErrno(errno, FileOperation::Open);
  if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode)) throw FileErrorFromErrno(EISDIR, FileOperation::Open);

  const calc::TModelData model = ReadModelStream(file.Get());
  if (const int error = file.Close(); error != 0) throw FileErrorFromErrno(error, FileOperation::Close);
  return model;
}

}  // namespace files
