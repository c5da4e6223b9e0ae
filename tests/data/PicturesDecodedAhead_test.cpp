#include "data/PicturesDecodedAhead.h"

#include <gtest/gtest.h>

#include <QImage>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <string>

#include "data/ResourceCatalogue.h"
#include "framework/Exceptions.h"
#include "framework/ResourceFork.h"
#include "support/TestSupport.h"

namespace {

using namespace std::chrono_literals;

// A resource file whose pictures are each one pixel wide per resource number; a read of a
// picture holds until the test lets it go, so a test can ask for a picture while it is read.
class HeldResourceFork : public ResourceFork {
 public:
  std::optional<std::string> GetResource(const std::string&, int) override { return std::nullopt; }
  Picture GetPicture(int number) override {
    ++pictureReads;
    started.set_value();
    letGo.wait();
    return std::make_shared<const QImage>(number, 1, QImage::Format_RGB32);
  }

  std::atomic<int> pictureReads = 0;
  std::promise<void> started;
  std::promise<void> release;
  std::shared_future<void> letGo = release.get_future().share();
};

class PicturesDecodedAheadTest : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseResourceCatalogue(); }
  void TearDown() override { ReleaseResourceCatalogue(); }
};

TEST_F(PicturesDecodedAheadTest, APictureAskedForWhileItIsDecodedIsWaitedForAndReadOnce) {
  auto fork = std::make_shared<HeldResourceFork>();
  ScopedResourceFork scoped(fork);
  std::future<void> started = fork->started.get_future();
  std::optional<PicturesDecodedAhead> ahead(std::in_place,
                                            std::vector<PicturesDecodedAhead::Accessor>{periodic320vpod});
  started.wait();

  std::future<Picture> asked = std::async(std::launch::async, periodic320vpod);
  EXPECT_EQ(asked.wait_for(100ms), std::future_status::timeout);
  fork->release.set_value();
  const Picture picture = asked.get();
  ahead.reset();

  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->width(), 177);
  EXPECT_EQ(periodic320vpod(), picture);
  EXPECT_EQ(fork->pictureReads, 1);
}

// A failure on the thread ends nothing; the program meets it on its own call, as without the
// thread.
TEST_F(PicturesDecodedAheadTest, APictureThatCannotBeReadIsLeftToTheNextCall) {
  ScopedResourceFork none(nullptr);
  { const PicturesDecodedAhead ahead({vuzarorozedezira90dim, periodic320vpod}); }

  EXPECT_THROW(periodic320vpod(), NilObjectException);
}

}  // namespace
