// A quicker answer to the one font question Qt asks fontconfig for every font it loads.
//
// On Linux, Qt asks fontconfig's FcFontMatch for the rendering settings (hinting,
// antialiasing, LCD filter) of each font it loads, naming the font's file. FcFontMatch
// compares the request with every installed font, so loading each of N installed fonts
// costs N comparisons each, and a preview of all of them grows with the square of N. When
// the request names a file that holds a single installed face, that face is the answer
// whatever else the request says, because fontconfig ranks the file above every other
// property: this answers such requests from an index of the installed faces by file, with
// fontconfig's own FcFontRenderPrepare, and leaves every other request to fontconfig.
//
// The program's own FcFontMatch stands in front of the library's; it answers from the
// index only once enable() has been called, and elsewhere than on fontconfig systems it
// does not exist and enable() does nothing.
#pragma once

class FileFontMatch {
public:
    static void enable();
    static bool isEnabled();
    // Requests answered from the index so far (for tests).
    static long answered();
};
