# sorvane_lists: TStrings, TStringList and TList; links sorvane_model (TPersistent, TReader).
