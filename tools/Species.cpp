#include "Species.h"

namespace artwork {

const std::array<Species, SpeciesCount>& allSpecies()
{
    // Heads and stems in the units of a whole-plant plate 1600 high; the plate scales the
    // plant to fit. What tells the grasses apart is in the head shapes and colours.
    static const std::array<Species, SpeciesCount> species{{
        // 0: long, narrow, even, blunt, greyish green cylinder on a stiff stem
        {DenseHead{300, 26, 0.0, 9, 2.5}, BaseForm::Tuft, 780,
         QColor(0x86, 0x96, 0x74), QColor(0xBC, 0xC6, 0xAA), QColor(0x7A, 0x90, 0x66),
         QColor(0x6C, 0x88, 0x5A), 14, false},
        // 1: long flat spike, many-flowered awned spikelets set edge-on
        {Spike{420, 16, 56, 10, 24, false, 16}, BaseForm::Tuft, 680,
         QColor(0x78, 0xA2, 0x4E), QColor(0xB4, 0xCF, 0x84), QColor(0x6A, 0x98, 0x46),
         QColor(0x5C, 0x92, 0x3E), 16, false},
        // 2: the same spike, shorter awnless spikelets, glossy dark leaves
        {Spike{300, 13, 34, 7, 20, false, 0}, BaseForm::Tuft, 560,
         QColor(0x4E, 0x7E, 0x34), QColor(0x8E, 0xB8, 0x66), QColor(0x46, 0x78, 0x30),
         QColor(0x23, 0x5C, 0x22), 13, true},
        // 3: open pyramid, whorls of three to five, small oval purplish-green spikelets
        {Panicle{270, 6, 3, 5, 58, 0.46, 0.10, 1.6, 0.10, 0.0, 0, 6, 0.40, false, 15, 8, 3, 0},
         BaseForm::Tuft, 720, QColor(0x84, 0x54, 0x8E), QColor(0x9C, 0xBC, 0x74),
         QColor(0x6C, 0x98, 0x4C), QColor(0x5C, 0x8C, 0x44), 10, false},
        // 4: large, airy panicle of hair-fine branches, silvery purple, over a dense tussock
        {Panicle{480, 7, 3, 5, 46, 0.52, 0.12, 0.9, 0.14, 0.03, 6, 3, 0.35, false, 12, 5, 1, 0},
         BaseForm::Tussock, 640, QColor(0x8A, 0x62, 0x96), QColor(0xDC, 0xD4, 0xE6),
         QColor(0x88, 0x9C, 0x68), QColor(0x4C, 0x78, 0x3A), 6, true},
        // 5: tall, loose, narrow, shining panicle; one long bent awn per spikelet
        {Panicle{440, 8, 2, 4, 20, 0.20, 0.06, 1.4, 0.02, 0.02, 0, 4, 0.15, false, 24, 8, 1, 38},
         BaseForm::Tuft, 880, QColor(0x8C, 0xA4, 0x6C), QColor(0xEC, 0xF0, 0xD8),
         QColor(0x7A, 0x98, 0x5A), QColor(0x66, 0x92, 0x4E), 14, true},
        // 6: soft cylinder, shorter and fatter than item 0, silky with fine awns
        {DenseHead{160, 46, 0.1, 10, 10}, BaseForm::Tuft, 660,
         QColor(0x88, 0x9A, 0x78), QColor(0xE8, 0xEC, 0xDE), QColor(0x6C, 0x8E, 0x50),
         QColor(0x5A, 0x88, 0x44), 12, false},
        // 7: narrow, dense reddish panicle of tiny spikelets; runners at the base
        {Panicle{210, 7, 2, 5, 14, 0.28, 0.08, 1.0, 0.0, 0.0, 0, 12, 0.05, false, 6, 2.6, 1, 0},
         BaseForm::Runners, 460, QColor(0xA4, 0x4E, 0x3A), QColor(0xD4, 0x8E, 0x6C),
         QColor(0x7C, 0x8C, 0x50), QColor(0x68, 0x98, 0x4E), 8, false},
        // 8: spikelets flat against the stem in two rows; long creeping rhizomes
        {Spike{300, 16, 36, 5, 13, true, 0}, BaseForm::Rhizomes, 700,
         QColor(0x78, 0x9A, 0x82), QColor(0xB8, 0xCE, 0xBA), QColor(0x6C, 0x8C, 0x64),
         QColor(0x66, 0x8C, 0x72), 12, false},
        // 9: stiff panicle, one-sided dense clumps at the branch ends, bluish green
        {Panicle{250, 5, 1, 2, 42, 0.46, 0.12, 2.4, -0.04, 0.0, 0, 30, 0.60, true, 15, 7, 3, 0},
         BaseForm::Tuft, 780, QColor(0x58, 0x8C, 0x8E), QColor(0xA2, 0xC4, 0xC2),
         QColor(0x66, 0x8C, 0x84), QColor(0x5A, 0x88, 0x84), 14, false},
        // 10: short, dense, spike-like golden-brown head
        {DenseHead{120, 32, 0.6, 16, 4}, BaseForm::Tuft, 400,
         QColor(0xB4, 0x84, 0x3A), QColor(0xE4, 0xC2, 0x70), QColor(0x8A, 0x98, 0x56),
         QColor(0x78, 0x98, 0x4C), 10, false},
        // 11: loose, shining golden-yellow panicle; small spikelets with fine bent awns
        {Panicle{240, 6, 3, 5, 30, 0.30, 0.08, 1.0, 0.05, 0.02, 0, 6, 0.20, false, 10, 4, 1, 11},
         BaseForm::Tuft, 600, QColor(0xC8, 0xA0, 0x34), QColor(0xF6, 0xE4, 0x8C),
         QColor(0x8C, 0x9C, 0x4E), QColor(0x7C, 0x9C, 0x46), 9, true},
        // 12: loose, slightly nodding panicle; branches in pairs; narrow awnless spikelets
        {Panicle{300, 6, 2, 2, 30, 0.36, 0.10, 1.4, 0.10, 0.18, 0, 4, 0.25, false, 30, 6, 7, 0},
         BaseForm::Tuft, 700, QColor(0x78, 0x9C, 0x54), QColor(0xB8, 0xD2, 0x8C),
         QColor(0x6A, 0x98, 0x4C), QColor(0x4C, 0x88, 0x3C), 11, true},
    }};
    return species;
}

} // namespace artwork
