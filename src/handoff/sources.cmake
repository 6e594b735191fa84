# Mailbox records, their writer and reader, the signature and sending options.
