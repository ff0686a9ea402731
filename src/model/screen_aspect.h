#pragma once

namespace pictavo {

class Project;
struct OutputProfile;

// The shape of the screen a project's videos are watched on, which the previews and
// the picture editor's crop frame take: 0 is 4:3 and 1 is 16:9 (the aspect setting's
// values), 2 is 9:16, a phone held upright.
inline constexpr int kAspectFourThree = 0;
inline constexpr int kAspectSixteenNine = 1;
inline constexpr int kAspectNineSixteen = 2;

// A phone, tablet or TV profile's own frame shape; a PSP video's TV by the aspect
// setting `aspect_ratio`, as always.
int screen_aspect(int aspect_ratio, const OutputProfile* profile);
int screen_aspect(const Project& project);

}  // namespace pictavo
