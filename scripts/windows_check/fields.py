"""Field files written through the store itself (store-field), and what a
program folder's TextFiles hold."""
import subprocess

from .paths import LINUX, linux_macro


def store(folder, name, value):
    """Saves a text (str or bytes) or, for an int, a list position."""
    value_args = (["--index", str(value)] if isinstance(value, int)
                  else [value])
    subprocess.run([LINUX / "store-field", folder, name, *value_args],
                   check=True)


def section_index(name):
    """The position of a section in the catalogue's list."""
    catalogue = subprocess.run([linux_macro(), "catalogue"], check=True,
                               capture_output=True, text=True).stdout
    return catalogue.splitlines().index(name)


def seeded_values():
    """Row 1 runs, row 2 is refused (its H cannot be read), rows 3 to 5 have
    blanks and unset lists, and a Windows-1252 byte comes back as itself."""
    values = {"H1": "1-0 1/2", "V1": "6", "W1": "9", "L1": "120",
              "MAT1": section_index("L4x4x1/2"), "OSL1": 1, "Pair1": 1,
              "H2": "a-b", "V2": "3", "W2": "4", "L2": "48",
              "MAT2": 7, "OSL2": 0, "Pair2": 0, "BS": 2}
    for row in (3, 4, 5):
        values.update({f"H{row}": f"{row} 1/2", f"V{row}": "",
                       f"W{row}": "10-11 15/16", f"L{row}": "",
                       f"MAT{row}": -1, f"OSL{row}": -1, f"Pair{row}": -1})
    values["L5"] = b"2\xe9"
    return values


def seed(folder):
    for name, value in seeded_values().items():
        store(folder, name, value)


def snapshot(folder):
    """Every entry of TextFiles: name -> bytes."""
    return {path.name: path.read_bytes()
            for path in sorted((folder / "TextFiles").iterdir())}


def stored_bytes(scratch, name, value):
    """The bytes the store writes for a value, to compare a saved file with."""
    (scratch / "TextFiles").mkdir(parents=True, exist_ok=True)
    store(scratch, name, value)
    return (scratch / "TextFiles" / f"{name}.TXT").read_bytes()
