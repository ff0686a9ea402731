#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "device/avc_configuration.h"
#include "device/h264_slice_count.h"
#include "device/mpeg4_profile.h"

namespace pictavo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Writes header fields most significant bit first, as the parsers read them.
class BitWriter {
 public:
  BitWriter& bits(std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i)
      bit((value >> i & 1) != 0);
    return *this;
  }
  BitWriter& exp_golomb(std::uint32_t value) {
    const std::uint32_t code = value + 1;
    int length = 0;
    while ((code >> length) > 1)
      ++length;
    return bits(0, length).bits(code, length + 1);
  }
  BitWriter& signed_exp_golomb(int value) {
    return exp_golomb(value > 0 ? 2 * value - 1 : -2 * value);
  }
  // Ends the last byte with a one and zeros, as a NAL unit's payload ends.
  Bytes finish() {
    bit(true);
    while (used_ != 0)
      bit(false);
    return bytes_;
  }

 private:
  void bit(bool set) {
    if (used_ == 0) bytes_.push_back(0);
    if (set) bytes_.back() |= static_cast<std::uint8_t>(0x80 >> used_);
    used_ = (used_ + 1) % 8;
  }

  Bytes bytes_;
  int used_ = 0;
};

// The avcC box of one sequence parameter set, with 4-byte NAL lengths.
Bytes avc_configuration(const Bytes& sps) {
  Bytes box = sps;
  box.insert(box.begin(),
             {1, sps.at(1), sps.at(2), sps.at(3), 0xFF, 0xE1,
              static_cast<std::uint8_t>(sps.size() >> 8), static_cast<std::uint8_t>(sps.size())});
  return box;
}

// A High profile set with scaling lists in the SPS: an 8x8 list of 64 deltas
// and a 4x4 list cut short by a delta to zero, which the fields after them
// must survive.
Bytes high_profile_sps_with_scaling_lists() {
  BitWriter sps;
  sps.bits(0x67, 8).bits(100, 8).bits(0, 8).bits(30, 8).exp_golomb(0);
  sps.exp_golomb(1).exp_golomb(0).exp_golomb(0).bits(0, 1).bits(1, 1);
  sps.bits(1, 1).signed_exp_golomb(-8);  // list 0: the default, at once
  sps.bits(0, 5);                        // lists 1 to 5 absent
  sps.bits(1, 1);                        // list 6: 64 deltas of +1
  for (int i = 0; i < 64; ++i)
    sps.signed_exp_golomb(1);
  sps.bits(0, 1);  // list 7 absent
  sps.exp_golomb(0).exp_golomb(0).exp_golomb(2).exp_golomb(3);
  return sps.finish();
}

TEST(AvcConfiguration, ReadsProfileLevelAndReferencesPastTheScalingLists) {
  const Result<AvcConfiguration> read =
      read_avc_configuration(avc_configuration(high_profile_sps_with_scaling_lists()));
  ASSERT_TRUE(read) << read.reason();
  EXPECT_EQ(read->nal_length_size, 4);
  EXPECT_EQ(read->sequence.profile_idc, 100);
  EXPECT_EQ(read->sequence.level_idc, 30);
  EXPECT_EQ(read->sequence.max_num_ref_frames, 3);
}

TEST(AvcConfiguration, ReadsTheCycleOfPictureOrderTypeOneAndDropsEmulationPrevention) {
  BitWriter fields;
  // Main profile without constraint flags at level 0: two zero bytes, after which
  // the stream may hold an emulation prevention byte.
  fields.bits(0x67, 8).bits(77, 8).bits(0, 8).bits(0, 8).exp_golomb(0).exp_golomb(0);
  // Picture order type 1 with a cycle of two offsets, then 2 reference frames.
  fields.exp_golomb(1).bits(0, 1).signed_exp_golomb(0).signed_exp_golomb(0).exp_golomb(2);
  fields.signed_exp_golomb(0).signed_exp_golomb(0).exp_golomb(2);
  Bytes sps = fields.finish();
  sps.insert(sps.begin() + 4, 3);
  EXPECT_EQ(nal_payload(Bytes{0, 0, 3, 1, 0, 0, 3}), (Bytes{0, 0, 1, 0, 0}));

  const Result<AvcConfiguration> read = read_avc_configuration(avc_configuration(sps));
  ASSERT_TRUE(read) << read.reason();
  EXPECT_EQ(read->sequence.profile_idc, 77);
  EXPECT_EQ(read->sequence.level_idc, 0);
  EXPECT_EQ(read->sequence.max_num_ref_frames, 2);
}

TEST(AvcConfiguration, RefusesCutAndForeignBytes) {
  const Bytes sps = high_profile_sps_with_scaling_lists();
  const Bytes whole = avc_configuration(sps);
  EXPECT_FALSE(read_avc_configuration({}));
  EXPECT_FALSE(read_avc_configuration(Bytes(whole.begin(), whole.end() - 10)));
  Bytes cut = avc_configuration(Bytes(sps.begin(), sps.begin() + 8));
  EXPECT_EQ(read_avc_configuration(cut).reason(), "the H.264 sequence parameter set is cut short");
  Bytes picture_set = whole;
  picture_set[8] = 0x68;
  EXPECT_FALSE(read_avc_configuration(picture_set));
}

// A slice NAL unit after its 4-byte length: type 5 (IDR) or 1, starting at
// macroblock `first`.
void add_slice(Bytes& sample, int type, std::uint32_t first) {
  BitWriter slice;
  slice.bits(0x60 | type, 8).exp_golomb(first).exp_golomb(7);
  const Bytes nal = slice.finish();
  sample.insert(sample.end(), {0, 0, 0, static_cast<std::uint8_t>(nal.size())});
  sample.insert(sample.end(), nal.begin(), nal.end());
}

TEST(H264SliceCount, CountsTheSlicesOfTheFirstPictureOnly) {
  Bytes sample{0, 0, 0, 2, 0x09, 0xF0};  // an access unit delimiter
  add_slice(sample, 5, 0);
  EXPECT_EQ(*h264_slice_count(sample, 4), 1);
  add_slice(sample, 5, 120);
  add_slice(sample, 5, 240);
  EXPECT_EQ(*h264_slice_count(sample, 4), 3);
  add_slice(sample, 1, 0);  // the next picture
  EXPECT_EQ(*h264_slice_count(sample, 4), 3);
}

TEST(H264SliceCount, RefusesLengthsPastTheSampleAndSamplesWithoutSlices) {
  Bytes sample;
  add_slice(sample, 5, 0);
  sample[3] += 1;
  EXPECT_FALSE(h264_slice_count(sample, 4));
  EXPECT_FALSE(h264_slice_count(Bytes{0, 0, 0, 2, 0x09, 0xF0}, 4));
  EXPECT_FALSE(h264_slice_count({}, 4));
}

TEST(Mpeg4Profile, ReadsTheSequenceHeaderElseTheVideoObjectLayer) {
  struct Case {
    Bytes configuration;
    bool simple;
    const char* name;
  };
  const Case cases[] = {
      {{0, 0, 1, 0xB0, 0x03, 0, 0, 1, 0xB5}, true, "Simple Profile"},
      {{0, 0, 1, 0xB0, 0xF5}, false, "Advanced Simple Profile"},
      {{0, 0, 1, 0xB0, 0x91}, false, "profile and level 0x91"},
      // A layer of object type 1 and one of 17, after random_accessible_vol.
      {{0, 0, 1, 0x00, 0, 0, 1, 0x20, 0x00, 0x80}, true, "Simple Profile"},
      {{0, 0, 1, 0x20, 0x08, 0x80}, false, "Advanced Simple Profile"},
  };
  for (const Case& test : cases) {
    const Result<Mpeg4Profile> profile = mpeg4_profile(test.configuration);
    ASSERT_TRUE(profile) << test.name;
    EXPECT_EQ(profile->simple, test.simple) << test.name;
    EXPECT_EQ(profile->name, test.name);
  }
  EXPECT_FALSE(mpeg4_profile(Bytes{0, 0, 1, 0xB6, 0x10}));
  EXPECT_FALSE(mpeg4_profile({}));
}

}  // namespace
}  // namespace pictavo
