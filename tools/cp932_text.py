"""Writes text files the way the program reads them: CP932 bytes, CR LF line ends.

The encoding goes through glibc iconv ("CP932"), the converter the program itself uses, so a
character that the program could not read back fails here instead of shipping.
"""

import os
import subprocess
import tempfile


def encode(text: str) -> bytes:
    result = subprocess.run(
        ["iconv", "-f", "UTF-8", "-t", "CP932"],
        input=text.encode("utf-8"),
        capture_output=True,
        check=False,
    )
    if result.returncode != 0:
        raise ValueError("not encodable in CP932: " + result.stderr.decode(errors="replace"))
    return result.stdout


def write_lines(path: str, lines: list[str]) -> None:
    """Every line ends in CR LF; the file is replaced only once it is complete."""
    for line in lines:
        if "\r" in line or "\n" in line:
            raise ValueError("line break inside a line: " + repr(line))
    data = encode("".join(line + "\r\n" for line in lines))
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, tmp = tempfile.mkstemp(dir=folder, prefix=".tmp-")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        os.chmod(tmp, 0o644)
        os.replace(tmp, path)
    except BaseException:
        if os.path.exists(tmp):
            os.unlink(tmp)
        raise
