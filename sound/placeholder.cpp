// Folder library; its units are added as they are written.
