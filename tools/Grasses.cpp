#include "Grasses.h"

namespace artwork {

const std::array<Species, SpeciesCount>& allSpecies()
{
    // Heads and stems in the units of a whole-plant plate 1600 high; the plate scales the
    // plant to fit. What tells the grasses apart is in the head shapes and colours.
    static const std::array<Species, SpeciesCount> species{{
        // 0: long, narrow, even, blunt, greyish green cylinder on a stiff stem
        {.head = DenseHead{
             .length = 300, .width = 26, .taper = 0.0, .spikelet = 9, .awnLength = 2.5},
         .base = BaseForm::Tuft, .culmLength = 780,
         .headColour = QColor(0x86, 0x96, 0x74), .headLight = QColor(0xBC, 0xC6, 0xAA),
         .stemColour = QColor(0x7A, 0x90, 0x66), .leafColour = QColor(0x6C, 0x88, 0x5A),
         .leafWidth = 14, .glossy = false},
        // 1: long flat spike, many-flowered awned spikelets set edge-on
        {.head = Spike{
             .length = 420, .spikelets = 16, .spikeletLength = 56, .florets = 10, .angle = 24,
             .flatAgainstStem = false, .awnLength = 16},
         .base = BaseForm::Tuft, .culmLength = 680,
         .headColour = QColor(0x78, 0xA2, 0x4E), .headLight = QColor(0xB4, 0xCF, 0x84),
         .stemColour = QColor(0x6A, 0x98, 0x46), .leafColour = QColor(0x5C, 0x92, 0x3E),
         .leafWidth = 16, .glossy = false},
        // 2: the same spike, shorter awnless spikelets, glossy dark leaves
        {.head = Spike{
             .length = 300, .spikelets = 13, .spikeletLength = 34, .florets = 7, .angle = 20,
             .flatAgainstStem = false, .awnLength = 0},
         .base = BaseForm::Tuft, .culmLength = 560,
         .headColour = QColor(0x4E, 0x7E, 0x34), .headLight = QColor(0x8E, 0xB8, 0x66),
         .stemColour = QColor(0x46, 0x78, 0x30), .leafColour = QColor(0x23, 0x5C, 0x22),
         .leafWidth = 13, .glossy = true},
        // 3: open pyramid, whorls of three to five, small oval purplish-green spikelets
        {.head = Panicle{
             .length = 270, .nodes = 6, .minBranches = 3, .maxBranches = 5, .branchAngle = 58,
             .lowestBranch = 0.46, .topBranch = 0.10, .branchWidth = 1.6, .droop = 0.10,
             .nod = 0.0, .subBranches = 0, .spikeletsPerBranch = 6, .spikeletsFrom = 0.40,
             .clumpedAtTips = false, .spikeletLength = 15, .spikeletWidth = 8, .florets = 3,
             .awnLength = 0},
         .base = BaseForm::Tuft, .culmLength = 720,
         .headColour = QColor(0x84, 0x54, 0x8E), .headLight = QColor(0x9C, 0xBC, 0x74),
         .stemColour = QColor(0x6C, 0x98, 0x4C), .leafColour = QColor(0x5C, 0x8C, 0x44),
         .leafWidth = 10, .glossy = false},
        // 4: large, airy panicle of hair-fine branches, silvery purple, over a dense tussock
        {.head = Panicle{
             .length = 480, .nodes = 7, .minBranches = 3, .maxBranches = 5, .branchAngle = 46,
             .lowestBranch = 0.52, .topBranch = 0.12, .branchWidth = 0.9, .droop = 0.14,
             .nod = 0.03, .subBranches = 6, .spikeletsPerBranch = 3, .spikeletsFrom = 0.35,
             .clumpedAtTips = false, .spikeletLength = 12, .spikeletWidth = 5, .florets = 1,
             .awnLength = 0},
         .base = BaseForm::Tussock, .culmLength = 640,
         .headColour = QColor(0x8A, 0x62, 0x96), .headLight = QColor(0xDC, 0xD4, 0xE6),
         .stemColour = QColor(0x88, 0x9C, 0x68), .leafColour = QColor(0x4C, 0x78, 0x3A),
         .leafWidth = 6, .glossy = true},
        // 5: tall, loose, narrow, shining panicle; one long bent awn per spikelet
        {.head = Panicle{
             .length = 440, .nodes = 8, .minBranches = 2, .maxBranches = 4, .branchAngle = 20,
             .lowestBranch = 0.20, .topBranch = 0.06, .branchWidth = 1.4, .droop = 0.02,
             .nod = 0.02, .subBranches = 0, .spikeletsPerBranch = 4, .spikeletsFrom = 0.15,
             .clumpedAtTips = false, .spikeletLength = 24, .spikeletWidth = 8, .florets = 1,
             .awnLength = 38},
         .base = BaseForm::Tuft, .culmLength = 880,
         .headColour = QColor(0x8C, 0xA4, 0x6C), .headLight = QColor(0xEC, 0xF0, 0xD8),
         .stemColour = QColor(0x7A, 0x98, 0x5A), .leafColour = QColor(0x66, 0x92, 0x4E),
         .leafWidth = 14, .glossy = true},
        // 6: soft cylinder, shorter and fatter than item 0, silky with fine awns
        {.head = DenseHead{
             .length = 160, .width = 46, .taper = 0.1, .spikelet = 10, .awnLength = 10},
         .base = BaseForm::Tuft, .culmLength = 660,
         .headColour = QColor(0x88, 0x9A, 0x78), .headLight = QColor(0xE8, 0xEC, 0xDE),
         .stemColour = QColor(0x6C, 0x8E, 0x50), .leafColour = QColor(0x5A, 0x88, 0x44),
         .leafWidth = 12, .glossy = false},
        // 7: narrow, dense reddish panicle of tiny spikelets; runners at the base
        {.head = Panicle{
             .length = 210, .nodes = 7, .minBranches = 2, .maxBranches = 5, .branchAngle = 14,
             .lowestBranch = 0.28, .topBranch = 0.08, .branchWidth = 1.0, .droop = 0.0, .nod = 0.0,
             .subBranches = 0, .spikeletsPerBranch = 12, .spikeletsFrom = 0.05,
             .clumpedAtTips = false, .spikeletLength = 6, .spikeletWidth = 2.6, .florets = 1,
             .awnLength = 0},
         .base = BaseForm::Runners, .culmLength = 460,
         .headColour = QColor(0xA4, 0x4E, 0x3A), .headLight = QColor(0xD4, 0x8E, 0x6C),
         .stemColour = QColor(0x7C, 0x8C, 0x50), .leafColour = QColor(0x68, 0x98, 0x4E),
         .leafWidth = 8, .glossy = false},
        // 8: spikelets flat against the stem in two rows; long creeping rhizomes
        {.head = Spike{
             .length = 300, .spikelets = 16, .spikeletLength = 36, .florets = 5, .angle = 13,
             .flatAgainstStem = true, .awnLength = 0},
         .base = BaseForm::Rhizomes, .culmLength = 700,
         .headColour = QColor(0x78, 0x9A, 0x82), .headLight = QColor(0xB8, 0xCE, 0xBA),
         .stemColour = QColor(0x6C, 0x8C, 0x64), .leafColour = QColor(0x66, 0x8C, 0x72),
         .leafWidth = 12, .glossy = false},
        // 9: stiff panicle, one-sided dense clumps at the branch ends, bluish green
        {.head = Panicle{
             .length = 250, .nodes = 5, .minBranches = 1, .maxBranches = 2, .branchAngle = 42,
             .lowestBranch = 0.46, .topBranch = 0.12, .branchWidth = 2.4, .droop = -0.04,
             .nod = 0.0, .subBranches = 0, .spikeletsPerBranch = 30, .spikeletsFrom = 0.60,
             .clumpedAtTips = true, .spikeletLength = 15, .spikeletWidth = 7, .florets = 3,
             .awnLength = 0},
         .base = BaseForm::Tuft, .culmLength = 780,
         .headColour = QColor(0x58, 0x8C, 0x8E), .headLight = QColor(0xA2, 0xC4, 0xC2),
         .stemColour = QColor(0x66, 0x8C, 0x84), .leafColour = QColor(0x5A, 0x88, 0x84),
         .leafWidth = 14, .glossy = false},
        // 10: short, dense, spike-like golden-brown head
        {.head = DenseHead{
             .length = 120, .width = 32, .taper = 0.6, .spikelet = 16, .awnLength = 4},
         .base = BaseForm::Tuft, .culmLength = 400,
         .headColour = QColor(0xB4, 0x84, 0x3A), .headLight = QColor(0xE4, 0xC2, 0x70),
         .stemColour = QColor(0x8A, 0x98, 0x56), .leafColour = QColor(0x78, 0x98, 0x4C),
         .leafWidth = 10, .glossy = false},
        // 11: loose, shining golden-yellow panicle; small spikelets with fine bent awns
        {.head = Panicle{
             .length = 240, .nodes = 6, .minBranches = 3, .maxBranches = 5, .branchAngle = 30,
             .lowestBranch = 0.30, .topBranch = 0.08, .branchWidth = 1.0, .droop = 0.05,
             .nod = 0.02, .subBranches = 0, .spikeletsPerBranch = 6, .spikeletsFrom = 0.20,
             .clumpedAtTips = false, .spikeletLength = 10, .spikeletWidth = 4, .florets = 1,
             .awnLength = 11},
         .base = BaseForm::Tuft, .culmLength = 600,
         .headColour = QColor(0xC8, 0xA0, 0x34), .headLight = QColor(0xF6, 0xE4, 0x8C),
         .stemColour = QColor(0x8C, 0x9C, 0x4E), .leafColour = QColor(0x7C, 0x9C, 0x46),
         .leafWidth = 9, .glossy = true},
        // 12: loose, slightly nodding panicle; branches in pairs; narrow awnless spikelets
        {.head = Panicle{
             .length = 300, .nodes = 6, .minBranches = 2, .maxBranches = 2, .branchAngle = 30,
             .lowestBranch = 0.36, .topBranch = 0.10, .branchWidth = 1.4, .droop = 0.10,
             .nod = 0.18, .subBranches = 0, .spikeletsPerBranch = 4, .spikeletsFrom = 0.25,
             .clumpedAtTips = false, .spikeletLength = 30, .spikeletWidth = 6, .florets = 7,
             .awnLength = 0},
         .base = BaseForm::Tuft, .culmLength = 700,
         .headColour = QColor(0x78, 0x9C, 0x54), .headLight = QColor(0xB8, 0xD2, 0x8C),
         .stemColour = QColor(0x6A, 0x98, 0x4C), .leafColour = QColor(0x4C, 0x88, 0x3C),
         .leafWidth = 11, .glossy = true},
    }};
    return species;
}

} // namespace artwork
