/* wk_files.h - file and font dialogs, text and file helpers, settings, system version.
 *
 * Contents (one section per control kind or service, in this order):
 *   - File and font dialogs
 *   - Text and file helpers
 *   - Settings files
 *   - Operating-system version
 */
#ifndef WK_FILES_H
#ifdef __cplusplus
#define WK_NOEXCEPT noexcept /* no C++ exception ever reaches a caller */
#else
#define WK_NOEXCEPT
#endif
#define WK_FILES_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- File and font dialogs ---- */
/* Filter keywords: "NONE_FILTER", "TXT_FILTER", "ALL_FILTER", "C_DEV_FILTER", or
 * "OWN_FILTER" for own_filter (pairs of zero-terminated strings, an extra zero at
 * the end); another word keeps the previous call's filter. Name keywords:
 * "FILENAME" or "PATH" put the chosen name or full path into the owner's title. */

/* Lets the user choose a file to open. Returns 0 when one was chosen, 1 otherwise;
 * the name keyword is applied either way (after a cancel: the previous choice). */
int wk_OpenFileDialog(HWND owner, const char* title, const char* name_keyword,
                      const char* filter_keyword, const char* own_filter) WK_NOEXCEPT;
/* Lets the user choose a name to save under. Returns 0 when one was chosen, 1
 * otherwise; the name keyword is applied only to a chosen name. */
int wk_SaveFileDialog(HWND owner, const char* title, const char* name_keyword,
                      const char* filter_keyword, const char* own_filter) WK_NOEXCEPT;
/* The open dialog's last full path (after a multiple choice: the folder, then the
 * names, each zero-terminated). Valid until the next call. */
const char* wk_OpenFilePath(void) WK_NOEXCEPT;
/* The open dialog's last chosen name without its folder. Valid until the next call. */
const char* wk_OpenFileName(void) WK_NOEXCEPT;
/* The save dialog's last full path. Valid until the next call. */
const char* wk_SaveFilePath(void) WK_NOEXCEPT;
/* The save dialog's last chosen name without its folder. Valid until the next call. */
const char* wk_SaveFileName(void) WK_NOEXCEPT;
/* The font dialog, starting from current. Effects "ON" offers strike-out,
 * underline and colour. Mode "OFF": plain without script choice; "RTF_AND_ON" or
 * "RTF_AND_OFF" (without script choice): window is a rich edit whose selection
 * gets the chosen font; anything else: plain. Returns the new font (the caller's),
 * and the chosen colour in wk_LastColor; when cancelled: current in plain mode,
 * NULL in rich-text mode. */
HFONT wk_FontDialog(HWND window, const char* effects, const char* mode, HFONT current) WK_NOEXCEPT;

/* ---- Text and file helpers ---- */
/* Null pointers in the text calls: a NULL text reads as the empty text (""); a NULL destination or
 * buffer gets nothing written, and a call that returns it returns NULL. Positions below 0 or beyond
 * a text's terminator read as its end, the code 0. A call reads no further into a text than it
 * uses. */

/* The difference buffers of wk_StrCompareDiff: characters equal, differing, and of b past a's end,
 * "=" elsewhere; each keeps its last byte zero. wk_DiffLength: length of b less length of a. */
/* The characters equal in both texts, "=" elsewhere. */
extern char wk_DiffEqual[256];
/* The characters that differ, "=" elsewhere. */
extern char wk_DiffDiffering[272];
/* The characters of b past a's end, "=" elsewhere. */
extern char wk_DiffExtra[256];
/* The length of b less the length of a. */
extern int wk_DiffLength;

/* Mode 0 case-insensitive, 1 case-sensitive comparison: negative, 0 or positive; other modes 0. */
int wk_StrCompare(const char* a, const char* b, int mode) WK_NOEXCEPT;
/* As wk_StrCompare, and fills the difference buffers. */
int wk_StrCompareDiff(const char* a, const char* b, int mode) WK_NOEXCEPT;
/* Appends the text to the destination; returns the destination. */
char* wk_StrAppend(char* destination, const char* text) WK_NOEXCEPT;
/* The number of characters. */
int wk_StrLength(const char* text) WK_NOEXCEPT;
/* Mode 0 small letters, 1 capitals, in place: the text's length; other modes: the other's length.
 */
int wk_StrSetCase(int mode, const char* other, char* text) WK_NOEXCEPT;
/* Copies the first count characters (all for count <= 0), terminated; returns the destination. A
 * source of count characters needs no terminator. */
char* wk_StrCopyFirst(char* destination, const char* source, int count) WK_NOEXCEPT;
/* Character classes of wk_CharClass. */
#define WK_CHAR_SPACE 0
#define WK_CHAR_OTHER 1
#define WK_CHAR_DIGIT 2
#define WK_CHAR_SMALL 3 /* a small letter */
#define WK_CHAR_CAPITAL 4
/* The class of the character at the position: one of the WK_CHAR_* classes (the end of the text:
 * WK_CHAR_OTHER). Finding the end costs a pass over the text up to the position. */
int wk_CharClass(const char* text, int position) WK_NOEXCEPT;
/* The code of the character at the position as a signed 8-bit value (the end of the text: 0). */
int wk_CharAt(const char* text, int position) WK_NOEXCEPT;
/* The length plus the number of line feeds and tabs. */
int wk_StrExpandedLength(const char* text) WK_NOEXCEPT;
/* The number of line feeds. */
int wk_StrCountLineFeeds(const char* text) WK_NOEXCEPT;
/* The number of line feeds less 1. */
int wk_StrLastLineIndex(const char* text) WK_NOEXCEPT;
/* Writes the value in decimal into the buffer (12 bytes hold any value); returns the buffer. */
char* wk_IntToText(char* buffer, int value) WK_NOEXCEPT;
/* The decimal value at the start of the text. */
int wk_TextToInt(const char* text) WK_NOEXCEPT;
/* A zero-filled block of count x 4 bytes (release with free), or NULL. */
void* wk_AllocZeroed(int count) WK_NOEXCEPT;
/* Results of the file helpers (0 on success); the line readers return a
   count, or one of these negated. */
#define WK_FILE_CANNOT_OPEN 2
#define WK_FILE_IO_ERROR 3 /* reading, writing or deleting failed */
/* Writing files: a file that is replaced is replaced safely. The new content goes to a
 * temporary file in the same folder, is flushed to the disk and only then takes the old
 * file's place (hidden and system attributes kept, archive set); on any failure the old file
 * is left as it was. An append that fails cuts the file back to its old length. A file held
 * open by another program, a folder or a missing folder give WK_FILE_CANNOT_OPEN. */
/* Replaces the file by the text in text mode (each LF written as CR LF): 0, WK_FILE_CANNOT_OPEN
 * or WK_FILE_IO_ERROR (a full disk included). */
int wk_FileWriteText(const char* name, const char* text) WK_NOEXCEPT;
/* Adds the text to an existing file (alone if the file holds under 2 characters, else as a line):
 * 0, WK_FILE_CANNOT_OPEN or WK_FILE_IO_ERROR. */
int wk_FileAddLine(const char* name, const char* text) WK_NOEXCEPT;
/* Replaces the file by an empty one: 0, WK_FILE_CANNOT_OPEN or WK_FILE_IO_ERROR. */
int wk_FileEmpty(const char* name) WK_NOEXCEPT;
/* Deletes the file: 0, or WK_FILE_IO_ERROR when it could not be deleted. */
int wk_FileDelete(const char* name) WK_NOEXCEPT;
/* "SAVE_IF_EXIST" copies over, "NO_SAVE_IF_EXIST" only to a new file: 0 copied, 1 not;
 * another keyword copies nothing and returns 0. */
int wk_FileCopy(int unused, const char* new_name, const char* existing_name,
                const char* keyword) WK_NOEXCEPT;
/* The number of lines (pieces of at most 1999 characters): the count, -WK_FILE_CANNOT_OPEN or
 * -WK_FILE_IO_ERROR. */
int wk_FileCountLines(const char* name) WK_NOEXCEPT;
/* The number of lines less 1 (0 for an empty file), or a negated failure. */
int wk_FileLastLineIndex(const char* name) WK_NOEXCEPT;
/* The characters read in text mode, or a negated failure. */
int wk_FileCountChars(const char* name) WK_NOEXCEPT;
/* Characters plus lines, or a negated failure. */
int wk_FileCountCharsAndLines(const char* name) WK_NOEXCEPT;
/* Appends the whole file to the terminated text in the destination: 0, WK_FILE_CANNOT_OPEN or
 * WK_FILE_IO_ERROR. */
int wk_FileReadAll(const char* name, char* destination) WK_NOEXCEPT;

/* ---- Settings files ---- */

/* A file name without a folder names a file in the folder of the program's executable.
 * The platform's profile functions keep the file, and their rules hold: blanks at both ends of
 * a value and one pair of quotes (" or ') around it are not kept, on Windows as elsewhere.
 * A settings file cannot hold, and wk_WriteSetting refuses with 1 and writes nothing:
 *   - a line end (CR or LF) in a section, key or value;
 *   - a key holding '=' or beginning with '[';
 *   - a section, key or value longer than WK_SETTING_MAX_LENGTH characters. */
#define WK_SETTING_MAX_LENGTH 32766

/* Reads a setting: the characters copied, or -1 when key, section or file is missing
 * (the buffer then holds ten spaces). */
int wk_ReadSetting(const char* file_name, const char* section, const char* key, char* buffer,
                   int buffer_size) WK_NOEXCEPT;
/* Writes a setting (NULL value removes the key, NULL key the section), safely: the change is
 * made in a copy of the file beside it, which replaces the file only once it reads back with the
 * new entry and every other entry as before. 0 when the file holds it, 1 on failure with the old
 * file kept byte for byte (an entry the file cannot hold, a file held open elsewhere or that
 * cannot be written, a write that did not reach the copy whole: a full disk, a write cut short). */
int wk_WriteSetting(const char* file_name, const char* section, const char* key,
                    const char* value) WK_NOEXCEPT;
/* Copies the folder that bare settings file names refer to: 0, or 1 when it does not fit. */
int wk_SettingsFolder(char* buffer, int buffer_size) WK_NOEXCEPT;

/* ---- Operating-system version ---- */

/* The version code, build number and update text of the last wk_OsVersion. */
/* The version code of the last wk_OsVersion. */
extern int wk_OsVersionCode;
/* The build number of the last wk_OsVersion. */
extern int wk_OsBuildNumber;
/* The update text (service pack) of the last wk_OsVersion. */
extern char wk_OsUpdateText[152];

/* The version code (95, 98, 99, 351, 400, 500, 510, 520; 0 unlisted version; -1 unknown family);
 * "SHOW" also shows it in the box "OS version info" and returns when it is closed. */
int wk_OsVersion(const char* keyword) WK_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* WK_FILES_H */
