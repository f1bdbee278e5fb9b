#!/usr/bin/env python3
"""Makes the release ZIP: the programs, the Japanese guide, the license and the sample lists.

The archive is made for Japanese Windows: file names are stored in code page 932 without
the UTF-8 flag, as Windows' own ZIP folders and the common Japanese unpackers read them;
text files become code page 932 with CR LF line ends, as Notepad reads them. Every entry
carries the release date, so the same inputs always give the same bytes.

usage: make-package.py OUTPUT.zip YYYY-MM-DD ENTRY...
  ENTRY is SOURCE=NAME (copied as it is) or SOURCE=NAME:text (UTF-8 text made Windows text).
"""
import sys
import zipfile


class WindowsZipInfo(zipfile.ZipInfo):
    """An entry whose name is stored in code page 932, as Japanese Windows expects."""

    def _encodeFilenameFlags(self):  # zipfile's hook for the stored name and its flags
        return self.filename.encode("cp932"), self.flag_bits


def windows_text(data: bytes) -> bytes:
    text = data.decode("utf-8").replace("\r\n", "\n")
    return text.replace("\n", "\r\n").encode("cp932")


def main(output, date, entries):
    year, month, day = (int(part) for part in date.split("-"))
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for entry in entries:
            source, name = entry.split("=", 1)
            convert = name.endswith(":text")
            name = name.removesuffix(":text")
            with open(source, "rb") as file:
                data = file.read()
            info = WindowsZipInfo(name, date_time=(year, month, day, 0, 0, 0))
            info.create_system = 0  # MS-DOS: the name is in the system's code page
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0x20  # the archive bit
            archive.writestr(info, windows_text(data) if convert else data)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
